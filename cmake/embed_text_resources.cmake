# Compiles the UTF-8 text resources under resources/text (plain .txt and rich
# .rtf) into the core, so the host tests and the Windows program read the same
# texts. Each file's base name is its resource name ("SystemText.txt" ->
# "SystemText").
function(brisko_embed_text_resources out_file)
  file(GLOB texts CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/resources/text/*.txt" "${CMAKE_SOURCE_DIR}/resources/text/*.rtf")
  list(SORT texts)
  set(body "// Generated from resources/text by cmake/embed_text_resources.cmake.\n")
  string(APPEND body "#include \"platform/embedded_text_resources.h\"\n\nnamespace brisko {\nnamespace {\n")
  set(table "")
  set(index 0)
  foreach(text ${texts})
    get_filename_component(name "${text}" NAME_WE)
    file(READ "${text}" hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
    string(APPEND body "const char kText${index}[] = {${bytes} 0};\n")
    string(APPEND table "    {\"${name}\", {kText${index}, sizeof kText${index} - 1}},\n")
    math(EXPR index "${index} + 1")
  endforeach()
  string(APPEND body "}  // namespace\n\nconst std::vector<EmbeddedText>& EmbeddedTexts() {\n")
  string(APPEND body "    static const std::vector<EmbeddedText> texts = {\n${table}    };\n    return texts;\n}\n\n}  // namespace brisko\n")
  file(WRITE "${out_file}.tmp" "${body}")
  configure_file("${out_file}.tmp" "${out_file}" COPYONLY)
endfunction()
