# Fails unless the targets that scripts/run builds make, beside the program, the manual and the
# copies of the examples and the diagram pictures that the window opens. Reads the targets from
# the script's build line and asks ninja for every command they run, done or not.
file(STRINGS ${RUN} build REGEX "cmake --build")
string(REGEX MATCHALL "--target +[^ ]+" targets "${build}")
string(REGEX REPLACE "--target +" "" targets "${targets}")
if(NOT targets)
    set(targets all)
endif()
execute_process(COMMAND ${NINJA} -C ${BUILD} -t commands ${targets}
    OUTPUT_VARIABLE commands RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "ninja cannot list the commands of ${targets}")
endif()
foreach(made Manual_VORNITH_NORV.pdf Ejemplos/ img/)
    string(FIND "${commands}" "${BIN}/${made}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "building ${targets} does not make ${BIN}/${made}")
    endif()
endforeach()
