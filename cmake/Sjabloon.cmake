# Zips the readable parts of one document template (the current folder) into the template file UIT.
# The content types come first, as word processors expect.
file(GLOB_RECURSE delen LIST_DIRECTORIES false RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
list(SORT delen)
list(REMOVE_ITEM delen "[Content_Types].xml")
list(PREPEND delen "[Content_Types].xml")
file(REMOVE ${UIT})
file(ARCHIVE_CREATE OUTPUT ${UIT} PATHS ${delen} FORMAT zip)
