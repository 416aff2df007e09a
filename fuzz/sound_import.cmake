tessellor_add_fuzzer(fuzz_sound_import SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_sound_import.cpp
  LIBS tessellor_audio CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/sound)
