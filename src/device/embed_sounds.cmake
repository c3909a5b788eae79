# Writes the game's sounds into a C++ source as byte arrays, so that the
# program carries them and needs no file beside it. Run by the build:
#   cmake -DOUTPUT=file.cpp -DSOUNDS="name=path;..." -P embed_sounds.cmake
set(text "// Written by embed_sounds.cmake from data/sounds; do not edit.\n#include <cstddef>\n\nnamespace vexel::device::sounds {\n")
foreach(entry IN LISTS SOUNDS)
    string(REPLACE "=" ";" parts "${entry}")
    list(GET parts 0 name)
    list(GET parts 1 path)
    file(READ "${path}" hex HEX)
    string(LENGTH "${hex}" digits)
    math(EXPR size "${digits} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    # Lines of 32 bytes, so that compilers and editors meet short lines.
    string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
    string(APPEND text "extern const unsigned char ${name}[];\nextern const std::size_t ${name}Size;\n"
        "const unsigned char ${name}[] = {\n${bytes}\n};\nconst std::size_t ${name}Size = ${size};\n")
endforeach()
string(APPEND text "} // namespace vexel::device::sounds\n")
file(WRITE "${OUTPUT}.tmp" "${text}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
