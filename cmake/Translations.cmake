# Grovekeep's translations. translations/grovekeep_<lang>.ts are compiled by lrelease into .qm
# files, which gk_core carries as resources under ":/translations" with Qt's own translations
# of its standard dialogs (qtbase_<lang>.qm) for the same languages: every program, the Windows
# build's included, has them without files beside it. grovekeep_en.ts holds only the English
# plural forms of texts that show a count.
#
# The host's Qt tools (qt6-l10n-tools) serve both builds. With BUILD_TESTING on a host build,
# lupdate also reads the sources into build/translations/grovekeep_sources.ts, from which
# gk-tstool makes the pseudo-language the window tests load and checks that the .ts files hold
# a finished translation for every text and nothing obsolete.

set(GK_LANGUAGES de fr)
set(GK_TS_DIR ${PROJECT_SOURCE_DIR}/translations)
set(GK_QM_DIR ${PROJECT_BINARY_DIR}/translations)
file(MAKE_DIRECTORY ${GK_QM_DIR})

find_program(GK_LRELEASE NAMES lrelease lrelease-qt6
             HINTS /usr/lib/qt6/bin ${QT_HOST_PATH}/lib/qt6/bin NO_CMAKE_FIND_ROOT_PATH)
find_program(GK_LUPDATE NAMES lupdate lupdate-qt6
             HINTS /usr/lib/qt6/bin ${QT_HOST_PATH}/lib/qt6/bin NO_CMAKE_FIND_ROOT_PATH)
find_path(GK_QT_TRANSLATIONS qtbase_de.qm
          HINTS /usr/share/qt6/translations ${QT_HOST_PATH}/share/qt6/translations
          NO_CMAKE_FIND_ROOT_PATH)
if(NOT GK_LRELEASE OR NOT GK_QT_TRANSLATIONS)
    message(FATAL_ERROR "The translations need lrelease and Qt's translations: install "
                        "qt6-l10n-tools and qt6-translations-l10n")
endif()

set(GK_QM_FILES)
set(GK_QRC_ENTRIES)
foreach(lang en ${GK_LANGUAGES})
    set(qm ${GK_QM_DIR}/grovekeep_${lang}.qm)
    add_custom_command(OUTPUT ${qm}
        COMMAND ${GK_LRELEASE} -silent -nounfinished ${GK_TS_DIR}/grovekeep_${lang}.ts -qm ${qm}
        DEPENDS ${GK_TS_DIR}/grovekeep_${lang}.ts
        COMMENT "Compiling the ${lang} translation" VERBATIM)
    list(APPEND GK_QM_FILES ${qm})
    string(APPEND GK_QRC_ENTRIES "    <file alias=\"grovekeep_${lang}.qm\">${qm}</file>\n")
endforeach()
foreach(lang ${GK_LANGUAGES})
    string(APPEND GK_QRC_ENTRIES
           "    <file alias=\"qtbase_${lang}.qm\">${GK_QT_TRANSLATIONS}/qtbase_${lang}.qm</file>\n")
    list(APPEND GK_QM_FILES ${GK_QT_TRANSLATIONS}/qtbase_${lang}.qm)
endforeach()
file(CONFIGURE OUTPUT ${GK_QM_DIR}/gk_translations.qrc
     CONTENT "<RCC>\n  <qresource prefix=\"/translations\">\n${GK_QRC_ENTRIES}  </qresource>\n</RCC>\n")
# (Compressed with zlib: the Windows build's Qt reads no zstd.)
add_custom_command(OUTPUT ${GK_QM_DIR}/qrc_gk_translations.cpp
    COMMAND Qt6::rcc --no-zstd --name gk_translations -o ${GK_QM_DIR}/qrc_gk_translations.cpp
            ${GK_QM_DIR}/gk_translations.qrc
    DEPENDS ${GK_QM_FILES} ${GK_QM_DIR}/gk_translations.qrc
    COMMENT "Making the translations a resource" VERBATIM)
add_custom_target(gk_translations DEPENDS ${GK_QM_DIR}/qrc_gk_translations.cpp)
set(GK_TRANSLATION_SOURCES ${GK_QM_DIR}/qrc_gk_translations.cpp)

# Reads every text of the sources again into the .ts files of translations/ (a translator's
# step: new texts come in unfinished, texts gone are dropped).
if(GK_LUPDATE)
    set(GK_TS_FILES)
    foreach(lang ${GK_LANGUAGES})
        list(APPEND GK_TS_FILES ${GK_TS_DIR}/grovekeep_${lang}.ts)
    endforeach()
    add_custom_target(lupdate
        COMMAND ${GK_LUPDATE} -locations none -no-obsolete -no-ui-lines
                ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tools -ts ${GK_TS_FILES}
        COMMAND ${GK_LUPDATE} -locations none -no-obsolete -no-ui-lines -pluralonly
                ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tools
                -ts ${GK_TS_DIR}/grovekeep_en.ts
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        COMMENT "Reading the texts of the sources into translations/" VERBATIM)
endif()
