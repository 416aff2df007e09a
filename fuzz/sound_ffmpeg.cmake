tessellor_add_fuzzer(fuzz_sound_ffmpeg SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_sound_ffmpeg.cpp
  LIBS tessellor_audio CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/sound_ffmpeg)
