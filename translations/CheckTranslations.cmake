# Fails when a .ts file is behind the sources: lupdate, run on a copy with the options of the
# build's update_translations, would change the file (a text added, changed or dropped) or
# leaves a translation unfinished.
# cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<repository> -DWORK_DIR=<scratch folder>
#       -DPROGRAMS=<program,...> -DLANGUAGES=<language,...> -P CheckTranslations.cmake
cmake_minimum_required(VERSION 3.25)
string(REPLACE "," ";" PROGRAMS "${PROGRAMS}")
string(REPLACE "," ";" LANGUAGES "${LANGUAGES}")
set(failures "")
file(MAKE_DIRECTORY "${WORK_DIR}")
foreach(program IN LISTS PROGRAMS)
    file(GLOB_RECURSE sources "${SOURCE_DIR}/common/*.cpp" "${SOURCE_DIR}/common/*.h"
         "${SOURCE_DIR}/${program}/*.cpp" "${SOURCE_DIR}/${program}/*.h")
    set(kinds en ${LANGUAGES})
    foreach(language IN LISTS kinds)
        set(name "${program}_${language}.ts")
        set(copy "${WORK_DIR}/${name}")
        file(COPY_FILE "${SOURCE_DIR}/translations/${name}" "${copy}")
        set(extra)
        if(language STREQUAL "en")
            set(extra -pluralonly)
        endif()
        execute_process(
            COMMAND "${LUPDATE}" -locations none -no-obsolete ${extra}
                    -I "${SOURCE_DIR}/common" -I "${SOURCE_DIR}/${program}" ${sources} -ts "${copy}"
            OUTPUT_VARIABLE report ERROR_VARIABLE report RESULT_VARIABLE status)
        file(READ "${copy}" updated)
        file(READ "${SOURCE_DIR}/translations/${name}" committed)
        string(REGEX MATCHALL "type=\"unfinished\"" unfinished "${updated}")
        list(LENGTH unfinished unfinishedCount)
        if(NOT status EQUAL 0)
            list(APPEND failures "${name}: lupdate failed: ${report}")
        elseif(unfinishedCount GREATER 0)
            list(APPEND failures "${name}: ${unfinishedCount} translations are unfinished")
        elseif(NOT updated STREQUAL committed)
            list(APPEND failures "${name}: the sources' texts have changed since it was updated")
        endif()
    endforeach()
endforeach()
if(failures)
    list(JOIN failures "\n" message)
    message(FATAL_ERROR "${message}\nRun `cmake --build <build> --target update_translations`, "
                        "translate what is unfinished and commit the .ts files.")
endif()
message(STATUS "Every translation is complete")
