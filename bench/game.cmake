# The game window: bench/game.sh times opening it on 20 pairs of large card
# pictures until every face is ready, against a plain read of the 41 files
# (the set and the read come from overview_bench).
add_executable(game_bench ${CMAKE_CURRENT_LIST_DIR}/game_bench.cpp)
target_link_libraries(game_bench PRIVATE tessellor_game_ui)
tessellor_target_defaults(game_bench)
