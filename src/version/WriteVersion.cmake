# cmake -DVERSION=... -DSOURCE_DIR=... -DUSE_GIT=ON|OFF -DOUTPUT=FILE -P WriteVersion.cmake
set(text "${VERSION}")
find_program(git git)
if(USE_GIT AND git AND EXISTS "${SOURCE_DIR}/.git")
  execute_process(COMMAND "${git}" describe --always --dirty --abbrev=7
                  WORKING_DIRECTORY "${SOURCE_DIR}"
                  OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE failed ERROR_QUIET)
  if(NOT failed AND commit)
    string(APPEND text " (git ${commit})")
  endif()
endif()

string(CONCAT source "#include \"version/ProgramVersion.h\"\n\nnamespace orbelle {\n\n"
       "const char* programVersion() { return \"${text}\"; }\n\n}  // namespace orbelle\n")
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" before)
endif()
if(NOT "${before}" STREQUAL "${source}")
  file(WRITE "${OUTPUT}" "${source}")
endif()
