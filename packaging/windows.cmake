# Windows: a self-contained program folder and its packages (included from
# packaging/CMakeLists.txt when cross-building with tools/windows/build.sh).
#
#   build/bin/ (and build/tests/, so the test programs run as they are)
#     lullara.exe, its companions (name lists, row pictures)
#     Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6PrintSupport.dll (Qt6Test.dll in tests/)
#     platforms/qwindows.dll  styles/qwindowsvistastyle.dll
#     imageformats/qgif.dll qico.dll
#     libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll (MinGW's runtime)
#     qt.conf  translations/qtbase_*.qm (the texts of Qt's own buttons and dialogs)
#
# The DLLs are copied stripped. cpack makes a zip of the folder and an NSIS
# installer: under Program Files, a Start-menu entry, an uninstaller that
# leaves the user's settings (HKCU\Software\Lullara) alone.

find_program(LULLARA_MINGW_STRIP NAMES ${CMAKE_CXX_COMPILER_TARGET}-strip x86_64-w64-mingw32-strip REQUIRED)

# MinGW's runtime, as the compiler finds it.
set(LULLARA_MINGW_RUNTIME)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(found "${found}" ABSOLUTE)
  if(NOT EXISTS "${found}")
    message(FATAL_ERROR "MinGW's ${dll} not found (${found})")
  endif()
  list(APPEND LULLARA_MINGW_RUNTIME "${found}")
endforeach()

# Qt's translations of its own texts are the same files on every platform.
if(NOT LULLARA_QT_TRANSLATIONS_DIR)
  set(LULLARA_QT_TRANSLATIONS_DIR /usr/share/qt6/translations)
endif()
file(GLOB LULLARA_QT_QM ${LULLARA_QT_TRANSLATIONS_DIR}/qtbase_*.qm)
if(NOT LULLARA_QT_QM)
  message(FATAL_ERROR "No qtbase_*.qm in ${LULLARA_QT_TRANSLATIONS_DIR} (qt6-translations-l10n)")
endif()

# "source|folder inside the program folder" pairs.
set(LULLARA_WIN_RUNTIME
  "$<TARGET_FILE:Qt6::Core>|."
  "$<TARGET_FILE:Qt6::Gui>|."
  "$<TARGET_FILE:Qt6::Widgets>|."
  "$<TARGET_FILE:Qt6::PrintSupport>|."
  "$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>|platforms"
  "$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>|styles"
  "$<TARGET_FILE:Qt6::QGifPlugin>|imageformats"
  "$<TARGET_FILE:Qt6::QICOPlugin>|imageformats")
foreach(dll ${LULLARA_MINGW_RUNTIME})
  list(APPEND LULLARA_WIN_RUNTIME "${dll}|.")
endforeach()
foreach(qm ${LULLARA_QT_QM})
  list(APPEND LULLARA_WIN_RUNTIME "${qm}|translations")
endforeach()
set(LULLARA_WIN_RUNTIME_TESTS ${LULLARA_WIN_RUNTIME})
if(BUILD_TESTING)
  list(APPEND LULLARA_WIN_RUNTIME_TESTS "$<TARGET_FILE:Qt6::Test>|.")
endif()

set(LULLARA_QT_CONF ${CMAKE_SOURCE_DIR}/packaging/windows-qt.conf)
set(LULLARA_WIN_COPY ${CMAKE_SOURCE_DIR}/packaging/windows-runtime.cmake)
add_custom_target(lullara_windows_runtime ALL
  COMMAND ${CMAKE_COMMAND} -DDEST=${LULLARA_BIN_DIR} -DSTRIP=${LULLARA_MINGW_STRIP}
    -DQT_CONF=${LULLARA_QT_CONF} "-DFILES=${LULLARA_WIN_RUNTIME}" -P ${LULLARA_WIN_COPY}
  COMMAND ${CMAKE_COMMAND} -DDEST=${CMAKE_BINARY_DIR}/tests -DSTRIP=${LULLARA_MINGW_STRIP}
    -DQT_CONF=${LULLARA_QT_CONF} "-DFILES=${LULLARA_WIN_RUNTIME_TESTS}" -P ${LULLARA_WIN_COPY}
  COMMENT "Qt and MinGW runtime beside the programs"
  VERBATIM)
add_dependencies(lullara lullara_windows_runtime)

# ---------------------------------------------------------------- install
set(LULLARA_RES ${CMAKE_SOURCE_DIR}/resources)
install(TARGETS lullara RUNTIME DESTINATION .)
install(FILES
  ${LULLARA_RES}/guyname.txt ${LULLARA_RES}/girlname.txt
  ${LULLARA_RES}/guy.gif ${LULLARA_RES}/girl.gif ${LULLARA_RES}/usnames.txt
  DESTINATION .)
install(FILES ${LULLARA_QT_CONF} DESTINATION . RENAME qt.conf)
foreach(entry ${LULLARA_WIN_RUNTIME})
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 src)
  list(GET parts 1 dir)
  # The stripped copy in build/bin.
  if(src MATCHES "^\\$<TARGET_FILE:(.*)>$")
    set(name "$<TARGET_FILE_NAME:${CMAKE_MATCH_1}>")
  else()
    get_filename_component(name "${src}" NAME)
  endif()
  install(FILES "${LULLARA_BIN_DIR}/${dir}/${name}" DESTINATION ${dir})
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

# ---------------------------------------------------------------- cpack
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CMAKE_INSTALL_SYSTEM_RUNTIME_LIBS_SKIP ON)
set(CPACK_PACKAGE_NAME Lullara)
set(CPACK_PACKAGE_VENDOR "Quorvel team")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Let the computer choose a name for your baby")
set(CPACK_PACKAGE_FILE_NAME Lullara-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Lullara)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "ZIP;NSIS")

# A 64-bit installer for the 64-bit program (NSIS makes 32-bit ones unless
# told otherwise; Wine without its 32-bit part could not run those).
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_PACKAGE_NAME Lullara)
set(CPACK_NSIS_DISPLAY_NAME Lullara)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${LULLARA_RES}/lullara.ico)
set(CPACK_NSIS_MUI_UNIICON ${LULLARA_RES}/lullara.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME lullara.exe)
# The Start-menu entry: the program lies in the top folder, not in bin\.
set(CPACK_PACKAGE_EXECUTABLES lullara Lullara)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
# The uninstaller deletes what was installed and the installer's own key
# (Software\<vendor>\Lullara <version>); the settings under
# Software\Lullara\Lullara are the user's and stay.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Lullara ${PROJECT_VERSION}")

include(CPack)
