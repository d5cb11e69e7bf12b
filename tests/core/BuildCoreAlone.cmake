# Configures and builds the core directory as a project of its own, with every
# find_package(Qt6...) and the JPEG library disabled, then checks the commands
# that built it never named Qt or libjpeg.
file(REMOVE_RECURSE ${BINARY_DIR})
execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BINARY_DIR} -G Ninja
            -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DCMAKE_DISABLE_FIND_PACKAGE_JPEG=ON
            -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
    RESULT_VARIABLE configured)
if(NOT configured EQUAL 0)
    message(FATAL_ERROR "core does not configure alone")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY_DIR} -- -v
    RESULT_VARIABLE built OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT built EQUAL 0)
    message(FATAL_ERROR "core does not build alone:\n${log}")
endif()
string(TOLOWER "${log}" lowered)
if(lowered MATCHES "qt6|qtcore|jpeg")
    message(FATAL_ERROR "the core build names Qt or JPEG:\n${log}")
endif()
