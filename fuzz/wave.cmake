tessellor_add_fuzzer(fuzz_wave SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_wave.cpp LIBS tessellor_audio
  CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/wave)
