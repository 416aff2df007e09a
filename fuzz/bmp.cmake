# The BMP reader and writer on arbitrary bytes.
tessellor_add_fuzzer(fuzz_bmp
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_bmp.cpp
  LIBS tessellor_images
  CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/bmp)
