# The program's version has one source: the VERSION of project() in CMakeLists.txt. From it come
# the version resource and the manifest of zerkon.exe, the installer and its file name, and what
# the tests expect.

# Writes zerkon_version.h and zerkon.manifest (both read by resources/zerkon.rc) for a four-part
# version into `folder`.
function(zerkon_version_files version folder)
    set(ZERKON_FILE_VERSION ${version})
    string(REPLACE "." "," ZERKON_FILE_VERSION_COMMAS "${version}")
    configure_file(${CMAKE_SOURCE_DIR}/resources/zerkon_version.h.in ${folder}/zerkon_version.h
                   @ONLY)
    configure_file(${CMAKE_SOURCE_DIR}/resources/zerkon.manifest.in ${folder}/zerkon.manifest
                   @ONLY)
endfunction()

# Builds the target's resources/zerkon.rc with the version files in `folder`. Called in the
# target's own folder. windres reports no dependencies, so a new version (or icon) would otherwise
# leave the old one in the program.
function(zerkon_version_resource target folder)
    target_include_directories(${target} PRIVATE ${folder})
    file(GLOB icons CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.ico)
    set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/zerkon.rc PROPERTIES
        OBJECT_DEPENDS "${folder}/zerkon_version.h;${folder}/zerkon.manifest;${icons}")
endfunction()

if(NOT PROJECT_VERSION_TWEAK)
    set(PROJECT_VERSION_TWEAK 0)
endif()
set(ZERKON_FILE_VERSION
    "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.${PROJECT_VERSION_TWEAK}")
zerkon_version_files(${ZERKON_FILE_VERSION} ${CMAKE_BINARY_DIR}/generated)
# For scripts/package, which names the installer after it.
file(WRITE ${CMAKE_BINARY_DIR}/generated/version.txt "${ZERKON_FILE_VERSION}\n")

# The earlier build from which the installer's upgrade test starts (a test fixture, never shipped).
set(ZERKON_EARLIER_VERSION 0.9.0.0)
if(NOT ZERKON_EARLIER_VERSION VERSION_LESS ZERKON_FILE_VERSION)
    message(FATAL_ERROR "ZERKON_EARLIER_VERSION must be below ${ZERKON_FILE_VERSION}")
endif()
