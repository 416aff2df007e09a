# Printing cards: bench/print.sh times a 40-card set written as a PDF and
# checks its size.
add_executable(print_bench ${CMAKE_CURRENT_LIST_DIR}/print_bench.cpp)
target_link_libraries(print_bench PRIVATE tessellor_print)
tessellor_target_defaults(print_bench)
