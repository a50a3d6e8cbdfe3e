# Writes a C++ source that holds the catalog files of one folder as data,
# so that the host library carries its English texts built in:
#   cmake -DCATALOG_DIR=<folder> -DOUTPUT=<file.cpp> -P EmbedCatalogs.cmake
# Every byte is written as a "\xNN" escape, so no text of a catalog can end
# or change the literal.
file(GLOB catalogs RELATIVE ${CATALOG_DIR} ${CATALOG_DIR}/*.catalog)
list(SORT catalogs)
set(rows "")
foreach(catalog IN LISTS catalogs)
  string(REGEX REPLACE "\\.catalog$" "" name ${catalog})
  file(READ ${CATALOG_DIR}/${catalog} hex HEX)
  # Lines of 24 bytes, then each byte escaped.
  string(REPEAT "[0-9a-f]" 48 line)
  string(REGEX REPLACE "(${line})" "\\1\n" hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
  string(REPLACE "\n" "\"\n     \"" escaped "${escaped}")
  string(APPEND rows "    {\"${name}\",\n     \"${escaped}\"},\n")
endforeach()
file(WRITE ${OUTPUT}.new
"// Made by cmake/EmbedCatalogs.cmake from the English catalog files.
#include \"base_runtime/BuiltInCatalogs.h\"

namespace vok {

std::span<const BuiltInCatalog> BuiltInEnglishCatalogs() {
  static constexpr BuiltInCatalog kCatalogs[] = {
${rows}  };
  return kCatalogs;
}

}  // namespace vok
")
# An unchanged source keeps its time stamp, so nothing is rebuilt for it.
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
