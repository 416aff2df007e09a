tessellor_add_fuzzer(fuzz_cardnames
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_cardnames.cpp
  LIBS tessellor_cardset
  CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/cardnames)
