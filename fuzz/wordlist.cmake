tessellor_add_fuzzer(fuzz_wordlist
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_wordlist.cpp
  LIBS tessellor_cardset
  CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/wordlist)
