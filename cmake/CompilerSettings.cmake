# Compile settings shared by every target of the project.
add_library(zavo_settings INTERFACE)
target_compile_features(zavo_settings INTERFACE cxx_std_17)
target_compile_definitions(zavo_settings INTERFACE
    QT_NO_CAST_TO_ASCII
    QT_STRICT_ITERATORS
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_DISABLE_DEPRECATED_BEFORE=0x050F00)
if(MSVC)
    target_compile_options(zavo_settings INTERFACE /W4 /utf-8)
else()
    target_compile_options(zavo_settings INTERFACE -Wall -Wextra)
endif()

if(ZAVO_SANITIZE)
    target_compile_options(zavo_settings INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(zavo_settings INTERFACE -fsanitize=address,undefined)
endif()
