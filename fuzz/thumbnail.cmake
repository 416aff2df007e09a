# The thumbnail maker's streamed BMP rows on arbitrary bytes, against the
# card reader that reads the whole picture.
tessellor_add_fuzzer(fuzz_thumbnail
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_thumbnail.cpp
  LIBS tessellor_images
  CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/bmp)
