# Warnings every target of ours builds with; CI turns them into errors.
option(ORBELLE_WERROR "Treat warnings as errors" OFF)

function(orbelle_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(ORBELLE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Headers that most files of a target include and that take long to parse (Qt, CLI11,
# nlohmann-json, GoogleTest), compiled once per target: a clean build takes much less time.
function(orbelle_precompile target)
  if(NOT ORBELLE_NO_PCH)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()
