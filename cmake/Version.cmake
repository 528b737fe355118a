# One version text for every program: the project's version and, when built from a git
# checkout, the commit ("1.2.6 (git b13721b-dirty)"). It is worked out at every build, so that
# it follows commits without a new configure; the source is rewritten only when it changes.
option(ORBELLE_GIT_VERSION "Add the git commit to the version text when built from a checkout" ON)

set(orbelle_version_source ${CMAKE_BINARY_DIR}/version/ProgramVersion.cpp)
add_custom_target(orbelle_version_text
  COMMAND ${CMAKE_COMMAND} -DVERSION=${PROJECT_VERSION} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
          -DUSE_GIT=${ORBELLE_GIT_VERSION} -DOUTPUT=${orbelle_version_source}
          -P ${PROJECT_SOURCE_DIR}/cmake/WriteVersion.cmake
  BYPRODUCTS ${orbelle_version_source}
  VERBATIM)
add_library(orbelle_version STATIC ${orbelle_version_source})
add_dependencies(orbelle_version orbelle_version_text)
target_include_directories(orbelle_version PUBLIC ${PROJECT_SOURCE_DIR}/src)
orbelle_warnings(orbelle_version)
