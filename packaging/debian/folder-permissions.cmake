# Run by CPack on its staging tree before it packs: every folder 0755, whatever the umask of whoever
# makes the package (folders made while installing take the umask).
file(CHMOD_RECURSE "${CPACK_TEMPORARY_DIRECTORY}" DIRECTORY_PERMISSIONS
     OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
