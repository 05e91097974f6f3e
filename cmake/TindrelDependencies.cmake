# Every third-party library comes from a Debian package (scripts/install-deps.sh).
find_package(PkgConfig REQUIRED)
find_package(nlohmann_json 3.10 REQUIRED)
find_package(fmt REQUIRED)
find_package(CLI11 REQUIRED)
find_package(ZLIB REQUIRED)
find_package(OpenSSL 3.0 REQUIRED COMPONENTS Crypto)
pkg_check_modules(RE2 REQUIRED IMPORTED_TARGET re2)
find_package(CURL REQUIRED)
pkg_check_modules(LIBXML2 REQUIRED IMPORTED_TARGET libxml-2.0)
pkg_check_modules(PLIST REQUIRED IMPORTED_TARGET libplist-2.0)

find_path(UTF8PROC_INCLUDE_DIR utf8proc.h REQUIRED)
find_library(UTF8PROC_LIBRARY utf8proc REQUIRED)
add_library(utf8proc::utf8proc UNKNOWN IMPORTED)
set_target_properties(utf8proc::utf8proc PROPERTIES IMPORTED_LOCATION ${UTF8PROC_LIBRARY}
                                                    INTERFACE_INCLUDE_DIRECTORIES ${UTF8PROC_INCLUDE_DIR})

if(TINDREL_BUILD_TESTS)
  find_package(GTest REQUIRED)
endif()

if(TINDREL_BUILD_GUI)
  find_package(Qt6 6.2 REQUIRED COMPONENTS Core Gui Widgets Network Concurrent DBus Test)
  pkg_check_modules(XCB REQUIRED IMPORTED_TARGET xcb xcb-keysyms)
endif()
