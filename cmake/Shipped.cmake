# Shipped data: made at build time from the readable sources in data/ by the program's own
# creation code, then put into the application folder beside the executable.
set(SHIPPED_FILES
    ${SHIPPED_DIR}/Tabellen.mdb
    ${SHIPPED_DIR}/QJ-Deel7.mdb
    ${SHIPPED_DIR}/update20100807.txt)
file(GLOB DATA_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*.txt)

# The document templates: each folder of data/sjablonen holds the readable parts of one template,
# zipped into <folder>.dotx.
file(GLOB sjabloonmappen LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/sjablonen/*)
foreach(map ${sjabloonmappen})
    if(IS_DIRECTORY ${map})
        get_filename_component(sjabloon ${map} NAME)
        file(GLOB_RECURSE delen CONFIGURE_DEPENDS ${map}/*)
        add_custom_command(
            OUTPUT ${SHIPPED_DIR}/${sjabloon}.dotx
            COMMAND ${CMAKE_COMMAND} -DUIT=${SHIPPED_DIR}/${sjabloon}.dotx -P ${CMAKE_SOURCE_DIR}/cmake/Sjabloon.cmake
            WORKING_DIRECTORY ${map}
            DEPENDS ${delen} ${CMAKE_SOURCE_DIR}/cmake/Sjabloon.cmake
            COMMENT "Sjabloon ${sjabloon}.dotx maken"
            VERBATIM)
        list(APPEND SHIPPED_TEMPLATES ${SHIPPED_DIR}/${sjabloon}.dotx)
    endif()
endforeach()

add_custom_command(
    OUTPUT ${SHIPPED_FILES}
    COMMAND maakdatabase ${CMAKE_SOURCE_DIR}/data ${SHIPPED_DIR}
    DEPENDS maakdatabase ${DATA_SOURCES}
    COMMENT "Databases en gegevensbestanden maken"
    VERBATIM)
add_custom_target(shipped ALL DEPENDS ${SHIPPED_FILES} ${SHIPPED_TEMPLATES})

# Into the application folder of the build: the databases only when they are not there yet,
# so that the data someone entered while trying the build out is kept.
add_custom_target(app_data ALL
    COMMAND ${CMAKE_COMMAND} -DVAN=${SHIPPED_DIR} -DNAAR=${APP_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/Uitrollen.cmake
    DEPENDS shipped
    VERBATIM)

# Installing into a user's application folder follows the same rule.
install(TARGETS interclub RUNTIME DESTINATION .)
install(CODE "execute_process(COMMAND \${CMAKE_COMMAND} -DVAN=${SHIPPED_DIR} -DNAAR=\${CMAKE_INSTALL_PREFIX} -P ${CMAKE_SOURCE_DIR}/cmake/Uitrollen.cmake)")
