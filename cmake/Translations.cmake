# The interface's translations: each resources/translations/zemharbour_<code>.ts is compiled by lrelease into
# <build>/translations/zemharbour_<code>.qm, where the program looks for them (the build tree runs like an
# installation), and installed beside the program. The .ts files are only read here: lupdate is run by hand after
# texts change, never by the build.
find_package(Qt6 QUIET OPTIONAL_COMPONENTS LinguistTools)
if(TARGET Qt6::lrelease)
    set(ZEM_LRELEASE $<TARGET_FILE:Qt6::lrelease>)
else()
    # Debian's qt6-l10n-tools ships the tools without the CMake package (that is in qt6-tools-dev).
    find_program(ZEM_LRELEASE NAMES lrelease lrelease-qt6 HINTS /usr/lib/qt6/bin ${QT6_INSTALL_PREFIX}/bin
                 REQUIRED)
endif()

file(GLOB ZEM_TS_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/translations/zemharbour_*.ts)
set(ZEM_QM_FILES)
foreach(ts ${ZEM_TS_FILES})
    get_filename_component(stem ${ts} NAME_WE)
    set(qm ${CMAKE_BINARY_DIR}/translations/${stem}.qm)
    add_custom_command(OUTPUT ${qm}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/translations
        COMMAND ${ZEM_LRELEASE} -silent ${ts} -qm ${qm}
        DEPENDS ${ts}
        COMMENT "Compiling ${stem}.qm"
        VERBATIM)
    list(APPEND ZEM_QM_FILES ${qm})
endforeach()
add_custom_target(translations ALL DEPENDS ${ZEM_QM_FILES})
set_property(GLOBAL PROPERTY ZEM_QM_FILES "${ZEM_QM_FILES}")
