# What a Windows program of Qt needs beside it: Qt's DLLs, the plugins Qt loads at run time
# (the platform, the style, the image formats) and the compiler's runtime DLLs. They are copied
# into the build tree's program folder, so that its programs and tests run as they are, and
# installed beside the programs. (A DLL is found only in its program's folder or on PATH.)

set(GK_QT_DLLS Qt6::Core)
if(GROVEKEEP_DESKTOP)
    list(APPEND GK_QT_DLLS Qt6::Gui Qt6::Widgets Qt6::Network)
    set(GK_QT_PLUGINS
        platforms Qt6::QWindowsIntegrationPlugin
        styles Qt6::QWindowsVistaStylePlugin
        imageformats Qt6::QGifPlugin
        imageformats Qt6::QICOPlugin
        imageformats Qt6::QJpegPlugin)
endif()

# The compiler's own runtime DLLs (MinGW's; MSVC's come with Windows or its redistributable).
set(GK_COMPILER_DLLS)
if(MINGW)
    get_filename_component(gk_compiler_dir ${CMAKE_CXX_COMPILER} DIRECTORY)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name
                    OUTPUT_VARIABLE gk_libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(gk_gcc_dir ${gk_libgcc} DIRECTORY)
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        find_file(GK_DLL_${dll} ${dll}
                  PATHS ${gk_gcc_dir} ${CMAKE_FIND_ROOT_PATH}/lib ${CMAKE_FIND_ROOT_PATH}/bin
                        ${gk_compiler_dir}
                  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
        if(NOT GK_DLL_${dll})
            message(FATAL_ERROR "The MinGW runtime DLL ${dll} was not found")
        endif()
        list(APPEND GK_COMPILER_DLLS ${GK_DLL_${dll}})
    endforeach()
endif()

set(gk_copies)
foreach(target ${GK_QT_DLLS})
    list(APPEND gk_copies COMMAND ${CMAKE_COMMAND} -E copy_if_different
         $<TARGET_FILE:${target}> ${GK_PORTABLE_DIR}/)
    install(FILES $<TARGET_FILE:${target}> DESTINATION ${GK_INSTALL_BINDIR})
endforeach()
foreach(dll ${GK_COMPILER_DLLS})
    list(APPEND gk_copies COMMAND ${CMAKE_COMMAND} -E copy_if_different ${dll} ${GK_PORTABLE_DIR}/)
    install(FILES ${dll} DESTINATION ${GK_INSTALL_BINDIR})
endforeach()
while(GK_QT_PLUGINS)
    list(POP_FRONT GK_QT_PLUGINS kind target)
    list(APPEND gk_copies
         COMMAND ${CMAKE_COMMAND} -E make_directory ${GK_PORTABLE_DIR}/${kind}
         COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${target}>
                 ${GK_PORTABLE_DIR}/${kind}/)
    install(FILES $<TARGET_FILE:${target}> DESTINATION ${GK_INSTALL_BINDIR}/${kind})
endwhile()
# Qt Test, for the test programs only (never installed).
if(BUILD_TESTING)
    list(APPEND gk_copies COMMAND ${CMAKE_COMMAND} -E copy_if_different
         $<TARGET_FILE:Qt6::Test> ${GK_PORTABLE_DIR}/)
    if(GROVEKEEP_DESKTOP)
        list(APPEND gk_copies
             COMMAND ${CMAKE_COMMAND} -E make_directory ${GK_PORTABLE_DIR}/platforms
             COMMAND ${CMAKE_COMMAND} -E copy_if_different
                     $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin> ${GK_PORTABLE_DIR}/platforms/)
    endif()
endif()
add_custom_target(windows_runtime ALL ${gk_copies} VERBATIM)
