# Picture import: bench/picture.sh times importing a 200-megapixel photo as a
# card picture against ffmpeg fitting the same photo into the same square.
add_executable(picture_bench ${CMAKE_CURRENT_LIST_DIR}/picture_bench.cpp)
target_link_libraries(picture_bench PRIVATE tessellor_images Qt6::Gui JPEG::JPEG)
tessellor_target_defaults(picture_bench)
