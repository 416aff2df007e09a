tessellor_add_fuzzer(fuzz_setarchive
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_setarchive.cpp
  LIBS tessellor_cardset
  CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/setarchive)
