# Wave copy and binding: bench/wave.sh times `tessellor-tool wave-copy` against
# cp of the same file, and binding a small against a large wave.
add_executable(wave_bench ${CMAKE_CURRENT_LIST_DIR}/wave_bench.cpp)
target_link_libraries(wave_bench PRIVATE tessellor_audio)
tessellor_target_defaults(wave_bench)
