# The set overview: bench/overview.sh times making every thumbnail of a set of
# 41 large card pictures against a plain read of the same files.
add_executable(overview_bench ${CMAKE_CURRENT_LIST_DIR}/overview_bench.cpp)
target_link_libraries(overview_bench PRIVATE tessellor_pictures)
tessellor_target_defaults(overview_bench)
