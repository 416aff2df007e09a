tessellor_add_fuzzer(fuzz_setcfg
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_setcfg.cpp
  LIBS tessellor_cardset
  CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/setcfg)
