# Fails when a source of one layer includes a header of a layer it may not use: the arrows of
# the layering point downward only. Run with -DSOURCE_DIR=<the repository's src folder>.

# layer folder | folders its sources may not include from
set(rules
    "platform|textengine generation document dialogs mainwindow platform/qt"
    "platform/qt|textengine generation document dialogs mainwindow"
    "textengine|generation document dialogs mainwindow platform/qt"
    "generation|textengine document dialogs mainwindow platform/qt"
    "document|dialogs mainwindow platform/qt"
    "dialogs|mainwindow")

set(faults)
foreach(rule ${rules})
    string(REPLACE "|" ";" parts "${rule}")
    list(GET parts 0 layer)
    list(GET parts 1 forbidden)
    string(REPLACE " " ";" forbidden "${forbidden}")
    file(GLOB_RECURSE sources ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
    if(layer STREQUAL "platform")
        list(FILTER sources EXCLUDE REGEX "/platform/qt/")
    endif()
    foreach(source ${sources})
        file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line ${includes})
            foreach(other ${forbidden})
                if(line MATCHES "\"${other}/")
                    file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
                    list(APPEND faults "  ${name}: ${line}")
                endif()
            endforeach()
        endforeach()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n" text)
    message(FATAL_ERROR "Includes against the layering:\n${text}")
endif()
