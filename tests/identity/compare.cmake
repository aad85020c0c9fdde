# Byte identity of a Qt 6 build with the Qt 5 reference, run with cmake -P:
# builds and installs the library with Qt 5 under WORK, builds the transcript program against that
# package and against this build's installed package (PREFIX), runs both on FILES and compares.
# CXX and LAUNCHER name the compiler of the main build.
cmake_minimum_required(VERSION 3.16)

function(run)
    execute_process(COMMAND ${ARGV} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        string(REPLACE ";" " " line "${ARGV}")
        message(FATAL_ERROR "failed (${result}): ${line}\n${output}")
    endif()
endfunction()

set(reference_build ${WORK}/qt5-build)
set(reference_prefix ${WORK}/qt5-prefix)
run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${reference_build} -DKEYMAP_QT_MAJOR=5 -DKEYMAP_BUILD_TESTS=OFF
    -DKEYMAP_BUILD_TOOLS=OFF -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
run(${CMAKE_COMMAND} --build ${reference_build} --target ovel-keymapmanager)
run(${CMAKE_COMMAND} --install ${reference_build} --prefix ${reference_prefix})

foreach(build qt5 this)
    set(prefix ${reference_prefix})
    if(build STREQUAL "this")
        set(prefix ${PREFIX})
    endif()
    run(${CMAKE_COMMAND} -S ${CMAKE_CURRENT_LIST_DIR} -B ${WORK}/transcript-${build} -DCMAKE_PREFIX_PATH=${prefix}
        -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
    run(${CMAKE_COMMAND} --build ${WORK}/transcript-${build})
    execute_process(COMMAND ${WORK}/transcript-${build}/keymap_transcript ${FILES}
        OUTPUT_FILE ${WORK}/${build}.txt RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "the ${build} transcript failed (${result})")
    endif()
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/qt5.txt ${WORK}/this.txt RESULT_VARIABLE differ)
if(differ)
    execute_process(COMMAND diff -u --label qt5 --label this ${WORK}/qt5.txt ${WORK}/this.txt OUTPUT_VARIABLE diff)
    string(SUBSTRING "${diff}" 0 4000 diff)
    message(FATAL_ERROR "this build's transcript differs from Qt 5's:\n${diff}")
endif()
file(SIZE ${WORK}/this.txt size)
message(STATUS "identical transcripts of ${size} bytes")
