# The header-only libraries (JSON, command-line parsing) come from Debian's
# packages under /usr/include.  The cross builds must not see the rest of
# that folder (glibc's headers), so both libraries are linked into a folder
# of the build's own that holds nothing else.
set(ZENTRIK_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${ZENTRIK_HOST_HEADERS})
foreach(dir nlohmann CLI)
  if(NOT EXISTS /usr/include/${dir})
    message(FATAL_ERROR "/usr/include/${dir} is missing: run 'make deps' (or scripts/install-deps.sh)")
  endif()
  if(NOT EXISTS ${ZENTRIK_HOST_HEADERS}/${dir})
    file(CREATE_LINK /usr/include/${dir} ${ZENTRIK_HOST_HEADERS}/${dir} SYMBOLIC)
  endif()
endforeach()

add_library(nlohmann_json_headers INTERFACE)
target_include_directories(nlohmann_json_headers SYSTEM INTERFACE ${ZENTRIK_HOST_HEADERS})
add_library(cli11_headers INTERFACE)
target_include_directories(cli11_headers SYSTEM INTERFACE ${ZENTRIK_HOST_HEADERS})
