# run.sh starts the program where the build puts it: the path after "APP=build/release/" must
# be the program's place in the build folder.
file(RELATIVE_PATH app_in_build "${BUILD_DIR}" "${APP}")
file(STRINGS "${RUN_SH}" app_lines REGEX "^APP=")
set(expected "APP=build/release/${app_in_build}")
if(NOT app_lines STREQUAL expected)
    message(FATAL_ERROR "run.sh starts '${app_lines}', the program is built as '${expected}'")
endif()
