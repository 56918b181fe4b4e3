# Run by CPack on the staged package tree: compresses the manual page and
# adds the changelog and copyright files that Debian asks of every package,
# and the package's lintian overrides.
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(source_dir ${CPACK_STILLWISE_DEBIAN_DIR})
set(dir_mode OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(file_mode OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

function(make_folder folder)
  file(MAKE_DIRECTORY ${folder})
  file(CHMOD ${folder} DIRECTORY_PERMISSIONS ${dir_mode})
endfunction()

function(copy_file source target)
  file(COPY_FILE ${source} ${target})
  file(CHMOD ${target} FILE_PERMISSIONS ${file_mode})
endfunction()

function(gzip_file source target)
  # -n leaves the name and time out, so the package is the same on each build.
  execute_process(COMMAND gzip -9 -n -c ${source}
    OUTPUT_FILE ${target}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip ${source} failed: ${status}")
  endif()
  file(CHMOD ${target} FILE_PERMISSIONS ${file_mode})
endfunction()

file(GLOB pages ${usr}/share/man/man*/*.[1-9])
foreach(page IN LISTS pages)
  gzip_file(${page} ${page}.gz)
  file(REMOVE ${page})
endforeach()

set(doc ${usr}/share/doc/${CPACK_PACKAGE_NAME})
make_folder(${usr}/share/doc)
make_folder(${doc})
gzip_file(${source_dir}/changelog ${doc}/changelog.Debian.gz)
copy_file(${source_dir}/copyright ${doc}/copyright)

make_folder(${usr}/share/lintian)
make_folder(${usr}/share/lintian/overrides)
copy_file(${source_dir}/lintian-overrides ${usr}/share/lintian/overrides/${CPACK_PACKAGE_NAME})
