# High warning level on all three builds; zrt_warnings(target) applies it.
function(zrt_warnings target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX,C>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
      -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual -Wnull-dereference
      -Wformat=2 -Wimplicit-fallthrough>)
  if(ZRT_WERROR)
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX,C>:-Werror>)
  endif()
endfunction()
