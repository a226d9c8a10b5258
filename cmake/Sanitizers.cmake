# Sanitized builds: every target of the tree is compiled and linked with the
# sanitizers, and any report ends the process with a failure.
#
# ORVANTA_SANITIZE: AddressSanitizer and UndefinedBehaviorSanitizer, for
# running the whole test suite (g++ or clang++).
# ORVANTA_FUZZ: the same plus libFuzzer instrumentation, for the harnesses
# under fuzz/ (clang++ only).
option(ORVANTA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(ORVANTA_FUZZ "Build the libFuzzer harnesses (clang++; implies ORVANTA_SANITIZE)" OFF)

if(ORVANTA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "ORVANTA_FUZZ needs clang++: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    set(ORVANTA_SANITIZE ON)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(ORVANTA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
    # libgettextpo's own leaks are left out of every program's report
    # (GettextLeaks.cpp): each program and library made after this links it.
    add_library(orvanta_gettext_leaks OBJECT ${CMAKE_CURRENT_SOURCE_DIR}/src/exchange/GettextLeaks.cpp)
    link_libraries(orvanta_gettext_leaks)
endif()
