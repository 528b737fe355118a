# Warnings every target of ours builds with; CI turns them into errors.
option(ORBELLE_WERROR "Treat warnings as errors" OFF)

function(orbelle_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(ORBELLE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
