# The release package (Windows tree only): a zip of テセラリウム.scr, テセラリウム.dll and
# README.txt, made by `cpack -G ZIP` (tools/package). The programs are stripped as they go in.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/version.h version_lines REGEX "^#define TESSELLARIUM_VERSION_(MAJOR|MINOR|PATCH) ")
foreach(line IN LISTS version_lines)
  string(REGEX MATCH "_(MAJOR|MINOR|PATCH) ([0-9]+)" _ "${line}")
  set(CPACK_PACKAGE_VERSION_${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
endforeach()

# The readme in code page 932 with CR LF lines: what Notepad on a Japanese Windows reads,
# from Windows 95 on.
set(TESSELLARIUM_README ${CMAKE_BINARY_DIR}/package-readme/README.txt)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/package-readme)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(OUTPUT ${TESSELLARIUM_README}
  COMMAND Python3::Interpreter -c
    "import sys; text = open(sys.argv[1], encoding='utf-8').read(); open(sys.argv[2], 'wb').write(text.replace('\\n', '\\r\\n').encode('cp932'))"
    ${CMAKE_CURRENT_LIST_DIR}/README.txt ${TESSELLARIUM_README}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/README.txt
  COMMENT "Writing the package's README.txt in code page 932"
  VERBATIM)
add_custom_target(package_readme ALL DEPENDS ${TESSELLARIUM_README})

install(TARGETS frontend renderer RUNTIME DESTINATION .)
install(FILES ${TESSELLARIUM_README} DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Tessellarium)
set(CPACK_PACKAGE_VENDOR "Tessellarium developers")
set(CPACK_PACKAGE_FILE_NAME
    "Tessellarium-${CPACK_PACKAGE_VERSION_MAJOR}.${CPACK_PACKAGE_VERSION_MINOR}.${CPACK_PACKAGE_VERSION_PATCH}-win64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)  # the three files at the top of the zip
set(CPACK_STRIP_FILES ON)                  # with the build tree's x86_64-w64-mingw32-strip
# cpack's own build step does not rebuild the tree: tools/package builds first, and the
# package test makes the zip from inside a build.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(TESSELLARIUM_PACKAGE_FILE ${CPACK_PACKAGE_FILE_NAME}.zip)  # the package test finds it by this name
include(CPack)
