# Shared part of the two MinGW toolchains. The -posix compilers are used because the
# default win32 thread model has no std::mutex, which GoogleTest needs.
set(CMAKE_C_COMPILER   ${ZRT_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZRT_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${ZRT_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZRT_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# No MinGW runtime DLL has to travel beside the programs.
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
