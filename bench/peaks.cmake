# The waveform of the wave open dialog: bench/peaks.sh times computing the
# peak table of a 100 MB wave against a plain read of its bytes.
add_executable(peaks_bench ${CMAKE_CURRENT_LIST_DIR}/peaks_bench.cpp)
target_link_libraries(peaks_bench PRIVATE tessellor_audio)
tessellor_target_defaults(peaks_bench)
