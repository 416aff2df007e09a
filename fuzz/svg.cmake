# The drawing sanitiser on arbitrary bytes: what it lets through refers to
# nothing outside itself and passes through it again unchanged.
tessellor_add_fuzzer(fuzz_svg
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_svg.cpp
  LIBS tessellor_images
  CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/svg)
