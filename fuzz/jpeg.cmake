# The picture preview's JPEG decoder on arbitrary bytes.
tessellor_add_fuzzer(fuzz_jpeg
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_jpeg.cpp
  LIBS tessellor_images
  CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/jpeg)
