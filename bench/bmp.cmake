# The card picture benchmark program, run by bench/bmp.sh.
add_executable(bench_bmp ${CMAKE_CURRENT_SOURCE_DIR}/bench_bmp.cpp)
target_link_libraries(bench_bmp PRIVATE tessellor_images)
tessellor_target_defaults(bench_bmp)
