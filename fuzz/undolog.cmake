tessellor_add_fuzzer(fuzz_undolog
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_undolog.cpp
  LIBS tessellor_cardset
  CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/undolog)
