# Byte identity of a Qt 6 build with the Qt 5 reference, run with cmake -P: builds and installs the
# library with Qt 5 under WORK, builds the transcript program against that package and against this
# build's installed package (PREFIX), runs both on FILES and compares. CXX and LAUNCHER name the
# compiler of the main build.
cmake_minimum_required(VERSION 3.16)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        string(SUBSTRING "${output}" 0 4000 output)
        message(FATAL_ERROR "failed (${result}): ${ARGN}\n${output}")
    endif()
endfunction()

set(compiler -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK}/qt5-build -DKEYMAP_QT_MAJOR=5 -DKEYMAP_BUILD_TESTS=OFF
    -DKEYMAP_BUILD_TOOLS=OFF ${compiler})
run(${CMAKE_COMMAND} --build ${WORK}/qt5-build --target ovel-keymapmanager)
run(${CMAKE_COMMAND} --install ${WORK}/qt5-build --prefix ${WORK}/qt5-prefix)
foreach(build qt5 this)
    set(prefix ${WORK}/qt5-prefix)
    if(build STREQUAL "this")
        set(prefix ${PREFIX})
    endif()
    run(${CMAKE_COMMAND} -S ${CMAKE_CURRENT_LIST_DIR} -B ${WORK}/transcript-${build} -DCMAKE_PREFIX_PATH=${prefix} ${compiler})
    run(${CMAKE_COMMAND} --build ${WORK}/transcript-${build})
    execute_process(COMMAND ${WORK}/transcript-${build}/keymap_transcript ${FILES} OUTPUT_FILE ${WORK}/${build}.txt
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "the ${build} transcript failed (${result})")
    endif()
endforeach()
# The first 4000 characters of the differences tell what changed.
run(diff -u --label qt5 --label this ${WORK}/qt5.txt ${WORK}/this.txt)
file(SIZE ${WORK}/this.txt size)
message(STATUS "identical transcripts of ${size} bytes")
