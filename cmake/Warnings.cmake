# Warnings are scoped per target so that third-party headers keep their own rules.
function(quendra_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(QUENDRA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
