# Writes the dynamic list of a program that loads the media module: the symbols of our
# code the module calls (its undefined symbols of our namespace), and no other, so the
# program exports only these and the dynamic linker's lookups stay as cheap as in a
# program that exports nothing.
#   cmake -DMODULE=fftquorbel-media.so -DOUTPUT=media-calls.list -P MediaCalls.cmake
execute_process(COMMAND nm -D --undefined-only ${MODULE} OUTPUT_VARIABLE undefined
  COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "[^\n ]*quorbel[^\n ]*" calls "${undefined}")
list(REMOVE_DUPLICATES calls)
list(SORT calls)
if(NOT calls)
  message(FATAL_ERROR "${MODULE} calls none of our code: is that code linked into it?")
endif()
list(JOIN calls ";\n  " lines)
file(WRITE ${OUTPUT}.new "{\n  ${lines};\n};\n")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
