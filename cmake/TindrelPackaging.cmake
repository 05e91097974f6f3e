# What a Linux user expects beside the programs: man pages, shell completions, and a Debian package
# that carries all of it together with the desktop entry and the icon.
include(GNUInstallDirs)

# Man pages are installed gzipped, as Debian wants them; -n keeps the archive free of timestamps so
# that two builds give the same package.
function(tindrel_install_man_page name)
  set(source ${PROJECT_SOURCE_DIR}/docs/${name}.1.in)
  set(page ${PROJECT_BINARY_DIR}/man/${name}.1)
  configure_file(${source} ${page} @ONLY)
  execute_process(COMMAND gzip -9 -n -c ${page} OUTPUT_FILE ${page}.gz RESULT_VARIABLE gzipped)
  if(NOT gzipped EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${page}")
  endif()
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

if(TINDREL_BUILD_CLI)
  tindrel_install_man_page(tindrel)
  install(FILES completions/tindrel.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
          RENAME tindrel)
  install(FILES completions/_tindrel DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
  install(FILES completions/tindrel.fish DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)
endif()
if(TINDREL_BUILD_GUI)
  tindrel_install_man_page(tindrel-app)
endif()

set(CPACK_PACKAGE_NAME tindrel)
set(CPACK_PACKAGE_VENDOR "Tindrel")
set(CPACK_PACKAGE_CONTACT "Tindrel developers <tindrel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tell what an opaque piece of text is")
set(CPACK_PACKAGE_DESCRIPTION
    "Tindrel tells a developer what a token, an encoded payload, a certificate, an error code, a password "
    "hash or a whole log is. A deterministic engine peels the text layer by layer and explains the result. "
    "Nothing inspected leaves the machine.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libxml2 and libcrypto are opened when a text first needs them, so no linked library names them;
# the package needs them all the same.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libxml2, libssl3")
# libcurl is opened only when a model server is contacted, so no linked library names it; without it
# every command still works and explanations come from the templates.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS libcurl4)
set(CPACK_STRIP_FILES ON)
include(CPack)
