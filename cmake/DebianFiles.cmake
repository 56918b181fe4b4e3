# Run by CPack on the staged package tree: compresses the manual page and
# adds the changelog and copyright files that Debian asks of every package.
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(doc ${usr}/share/doc/${CPACK_PACKAGE_NAME})

function(gzip_file source target)
  # -n leaves the name and time out, so the package is the same on each build.
  execute_process(COMMAND gzip -9 -n -c ${source}
    OUTPUT_FILE ${target}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip ${source} failed: ${status}")
  endif()
  file(CHMOD ${target} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endfunction()

file(GLOB pages ${usr}/share/man/man*/*.[1-9])
foreach(page IN LISTS pages)
  gzip_file(${page} ${page}.gz)
  file(REMOVE ${page})
endforeach()

file(MAKE_DIRECTORY ${doc})
gzip_file(${CPACK_STILLWISE_DEBIAN_DIR}/changelog ${doc}/changelog.Debian.gz)
file(COPY_FILE ${CPACK_STILLWISE_DEBIAN_DIR}/copyright ${doc}/copyright)
file(CHMOD ${doc} DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(CHMOD ${doc}/copyright FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
