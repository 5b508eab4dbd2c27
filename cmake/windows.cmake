# The Windows build, 32-bit (i686, the program as shipped) or 64-bit (x86_64)
# by the toolchain file: toolkit library, the tone generator, and the test
# programs that run under Wine.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(WK_ARCH x86_64)
  set(WK_PACKAGE_SUFFIX win64)
  # 64-bit Windows decorates no C names.
  set(WK_APP_PROC_SYMBOL AppWindowProc)
else()
  set(WK_ARCH i686)
  set(WK_PACKAGE_SUFFIX win32)
  set(WK_APP_PROC_SYMBOL _AppWindowProc@16)
endif()
enable_language(RC)
set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} -static")

# The checked build (its own build folder): undefined behaviour traps (an
# illegal instruction where it happens; no run-time library is needed),
# libstdc++'s bounds and precondition assertions, stack protector and the
# fortified string functions. test.sh runs its suite with Wine's heap
# checking on (tests/bench/wine-run).
option(WK_CHECKED "Build with run-time checks for the checked test run" OFF)
if(WK_CHECKED)
  set(WK_CHECK_FLAGS -fsanitize=undefined -fsanitize-undefined-trap-on-error
                     -fstack-protector-strong)
  add_compile_options(${WK_CHECK_FLAGS})
  add_compile_definitions(_GLIBCXX_ASSERTIONS _FORTIFY_SOURCE=2)
  add_link_options(${WK_CHECK_FLAGS})
endif()
set(WK_SYSTEM_LIBS comctl32 comdlg32 winmm gdi32 user32 kernel32 winspool advapi32 oleaut32)
if(WK_CHECKED)
  # The stack protector's run-time library, also for programs built against
  # the checked library's package.
  list(APPEND WK_SYSTEM_LIBS ssp)
endif()

# The product (toolkit, tone generator, gallery) is built small, with no part
# of the C++ run-time library it does not use; the test programs keep the
# compiler's defaults, since GoogleTest throws and asks types at run time.
#   -Os: nothing in the product is bound by its own speed (a 4096-byte buffer
#     every 46 ms, a window's worth of text and drawing per message).
#   --gc-sections: the programs leave out the unused sections of the
#     run-time's objects and import libraries (about 1 KB). The toolkit is
#     not built one section per function: the linker kept every function of
#     the toolkit's objects even so (the programs came out no smaller), and
#     the library the SDK ships grew by the sections' headers and names (the
#     64-bit one to twice its size).
#   -fno-rtti: nothing asks a type at run time.
#   -fno-threadsafe-statics: the toolkit has no function-local statics with a
#     run-time initialiser, and the programs' own are all on the window
#     thread; the guards would bring in the threads library.
set(WK_PRODUCT_COMPILE_OPTIONS -Os -fno-rtti -fno-threadsafe-statics)
set(WK_PRODUCT_LINK_OPTIONS -Wl,--gc-sections)

# Exceptions only where the C++ library can throw. A source that allocates
# through its strings and vectors, or includes a header of ours that does, runs that work through Guarded, which turns the throw into the
# operation's failure result: it keeps exceptions. Every other source is
# built without, so a program that calls only those carries no exception
# support at all (no personality routine, unwinder or terminate handler).
# Editing a source runs this choice again.
set(WK_THROWING_PATTERN "Guarded|[^_a-zA-Z]try {|std::(string|vector|wstring)")
file(GLOB_RECURSE WK_PRODUCT_HEADERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/toolkit/*.hpp
     ${CMAKE_SOURCE_DIR}/app/*.hpp ${CMAKE_SOURCE_DIR}/examples/*.hpp)
foreach(header ${WK_PRODUCT_HEADERS})
  file(READ ${header} text)
  if(text MATCHES "${WK_THROWING_PATTERN}")
    get_filename_component(name ${header} NAME)
    string(REPLACE "." "\\." name ${name})
    string(APPEND WK_THROWING_PATTERN "|[/\"]${name}\"")
  endif()
endforeach()
function(wk_product_target target)
  target_compile_options(${target} PRIVATE ${WK_PRODUCT_COMPILE_OPTIONS} -fno-exceptions)
  set(throwing)
  get_target_property(sources ${target} SOURCES)
  foreach(source ${sources})
    if(source MATCHES "\\.cpp$")
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
      file(READ ${source} text)
      if(text MATCHES "${WK_THROWING_PATTERN}")
        set_property(SOURCE ${source} APPEND PROPERTY COMPILE_OPTIONS -fexceptions)
        list(APPEND throwing ${source})
      endif()
    endif()
  endforeach()
  list(LENGTH throwing count)
  message(STATUS "${target}: ${count} sources with exceptions")
  get_target_property(kind ${target} TYPE)
  if(kind STREQUAL EXECUTABLE)
    target_link_options(${target} PRIVATE ${WK_PRODUCT_LINK_OPTIONS})
  endif()
endfunction()

# The project's one version number, for the public header wk_version.h, the
# programs' version resources and the packages.
set(WK_VERSION_MAJOR ${PROJECT_VERSION_MAJOR})
set(WK_VERSION_MINOR ${PROJECT_VERSION_MINOR})
set(WK_VERSION_PATCH 0)
if(NOT PROJECT_VERSION_PATCH STREQUAL "")
  set(WK_VERSION_PATCH ${PROJECT_VERSION_PATCH})
endif()
set(WK_GENERATED_INCLUDE ${CMAKE_BINARY_DIR}/include)
configure_file(${CMAKE_SOURCE_DIR}/packaging/wk_version.h.in ${WK_GENERATED_INCLUDE}/wk_version.h
               @ONLY)

file(GLOB WK_TOOLKIT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/toolkit/*/*.cpp)
add_library(wk_toolkit STATIC ${WK_TOOLKIT_SOURCES} ${WK_LOGIC_SOURCES})
target_include_directories(wk_toolkit PUBLIC ${WK_PUBLIC_INCLUDES} PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(wk_toolkit PUBLIC ${WK_SYSTEM_LIBS})
wk_product_target(wk_toolkit)

# The toolkit's resource script (dialog templates). A static library cannot
# carry resources, so every program that uses the toolkit links these in.
file(GLOB WK_TOOLKIT_RC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/toolkit/*/*.rc)
if(WK_TOOLKIT_RC)
  add_library(wk_resources OBJECT ${WK_TOOLKIT_RC})
  target_include_directories(wk_resources PRIVATE ${WK_PUBLIC_INCLUDES})
  set(WK_RESOURCE_OBJECTS $<TARGET_OBJECTS:wk_resources>)
endif()

file(GLOB WK_APP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/*.cpp ${CMAKE_SOURCE_DIR}/app/*.rc)
add_executable(vindra WIN32 ${WK_APP_SOURCES} ${WK_RESOURCE_OBJECTS})
target_include_directories(vindra PRIVATE ${CMAKE_SOURCE_DIR}/app ${CMAKE_SOURCE_DIR})
target_link_libraries(vindra PRIVATE wk_toolkit)
wk_product_target(vindra)

# The toolkit gallery: a second program on the toolkit alone.
file(GLOB WK_GALLERY_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/examples/gallery/*.cpp
     ${CMAKE_SOURCE_DIR}/examples/gallery/*.rc)
add_executable(gallery WIN32 ${WK_GALLERY_SOURCES} ${WK_RESOURCE_OBJECTS})
target_include_directories(gallery PRIVATE ${CMAKE_SOURCE_DIR}/examples/gallery)
target_link_libraries(gallery PRIVATE wk_toolkit)
wk_product_target(gallery)

# Both programs' resource scripts include the shared version resource.
set_property(SOURCE ${CMAKE_SOURCE_DIR}/app/vindra.rc ${CMAKE_SOURCE_DIR}/examples/gallery/gallery.rc
             PROPERTY INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}/packaging ${WK_GENERATED_INCLUDE})

# ---- Tests under Wine --------------------------------------------------------
include(CTest)
find_package(GTest REQUIRED)

set(WK_BENCH_DIR ${CMAKE_BINARY_DIR}/bench)
if(WK_CHECKED)
  set(WK_HEAP_CHECK --heap-check)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tests/bench/wine-run --test ${WK_HEAP_CHECK}
                                  ${WK_BENCH_DIR})

# Paths the tests need, as Wine sees them (drive Z: is the Unix root).
set(WK_TEST_DEFINES
    WK_SOURCE_DIR="Z:${CMAKE_SOURCE_DIR}" WK_BUILD_DIR="Z:${CMAKE_BINARY_DIR}"
    WK_APP_EXE="Z:$<TARGET_FILE:vindra>" WK_GALLERY_EXE="Z:$<TARGET_FILE:gallery>")

file(GLOB WK_TEST_SUPPORT CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
list(FILTER WK_TEST_SUPPORT EXCLUDE REGEX "default_app_proc\\.cpp$")
add_library(wk_test_support STATIC ${WK_TEST_SUPPORT})
target_include_directories(wk_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests/support ${CMAKE_SOURCE_DIR})
target_link_libraries(wk_test_support PUBLIC wk_toolkit GTest::gtest)
target_compile_definitions(wk_test_support PUBLIC ${WK_TEST_DEFINES})
# Used only by test programs that do not define AppWindowProc themselves.
add_library(wk_default_app_proc STATIC ${CMAKE_SOURCE_DIR}/tests/support/default_app_proc.cpp)
# Only the header: the library must come after the toolkit on the link line.
target_include_directories(wk_default_app_proc PRIVATE ${WK_PUBLIC_INCLUDES})

# A GoogleTest program of the test support, with the toolkit's resources
# unless its name ends in _bare_test.
function(wk_add_test_program target test_source)
  get_filename_component(test_name ${test_source} NAME_WE)
  get_filename_component(test_dir ${test_source} DIRECTORY)
  set(sources ${test_source})
  if(EXISTS ${test_dir}/${test_name}.rc)
    list(APPEND sources ${test_dir}/${test_name}.rc)
  endif()
  if(NOT test_name MATCHES "_bare_test$")
    list(APPEND sources ${WK_RESOURCE_OBJECTS})
  endif()
  add_executable(${target} ${sources})
  target_include_directories(${target} PRIVATE ${test_dir} ${CMAKE_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE wk_test_support GTest::gtest_main wk_default_app_proc)
  # Asked for up front, the window procedure comes from the test's own
  # objects when it defines one, else from wk_default_app_proc, wherever the
  # libraries stand on the link line.
  target_link_options(${target} PRIVATE "LINKER:-u,${WK_APP_PROC_SYMBOL}")
  add_dependencies(${target} vindra gallery)
endfunction()

file(GLOB WK_WINE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*/*_test.cpp)
foreach(test_source ${WK_WINE_TESTS})
  get_filename_component(test_name ${test_source} NAME_WE)
  get_filename_component(test_folder ${test_source} DIRECTORY)
  get_filename_component(test_folder ${test_folder} NAME)
  # Benchmarks measure rather than pass or fail: they
  # carry the label "figures", and print each figure on a line that begins
  # "figure: ". The checked build's timings would measure its checks, so it
  # leaves them out.
  set(figures OFF)
  if(test_name MATCHES "(^|_)benchmark_test$" OR test_folder STREQUAL "bench")
    set(figures ON)
  endif()
  if(figures AND WK_CHECKED)
    continue()
  endif()
  set(target test_${test_folder}_${test_name})
  wk_add_test_program(${target} ${test_source})
  add_test(NAME ${test_folder}/${test_name} COMMAND ${target})
  set_tests_properties(${test_folder}/${test_name} PROPERTIES TIMEOUT 600)
  if(figures)
    set_tests_properties(${test_folder}/${test_name} PROPERTIES LABELS figures)
  endif()
  # Programs that inject file faults run with a 16 KiB file-size limit
  # (tests/support/file_faults.hpp). Not in the checked run: its heap trace
  # goes through the program's output, which the limit would cut.
  if(test_name MATCHES "_faults_test$" AND NOT WK_CHECKED)
    set_tests_properties(${test_folder}/${test_name} PROPERTIES ENVIRONMENT WK_FILE_SIZE_LIMIT=16)
  endif()
  # Soaks play at real-time pace through the bench's PulseAudio sink, for
  # WK_SOAK_MINUTES per part (the timeout allows two parts of an hour).
  if(test_name MATCHES "_soak_benchmark_test$")
    set_tests_properties(${test_folder}/${test_name} PROPERTIES LABELS "figures;soak" TIMEOUT 7800
                                                                ENVIRONMENT WK_SOUND=pulse)
  endif()
endforeach()

# The floor the footprint benchmark measures the tone generator against: the
# smallest plain C program that does its job, built as a small utility is.
# (The checked run has no figures.)
if(NOT WK_CHECKED)
  add_executable(tone_floor WIN32 ${CMAKE_SOURCE_DIR}/tests/app/tone_floor.c)
  target_compile_options(tone_floor PRIVATE -O2)
  target_link_options(tone_floor PRIVATE -s)
  target_link_libraries(tone_floor PRIVATE winmm)
  add_dependencies(test_app_footprint_benchmark_test tone_floor)
  target_compile_definitions(test_app_footprint_benchmark_test
                             PRIVATE WK_FLOOR_EXE="Z:$<TARGET_FILE:tone_floor>")
  set_tests_properties(app/footprint_benchmark_test PROPERTIES ENVIRONMENT WK_SOUND=pulse)
endif()

# Left out of the checked run: Wine 8's colour dialog does not paint the
# custom colours there, which one case reads from the screen. And the five
# hundred switches of the tone generator: under heap checking Wine's heap
# says "free block overwritten" of a block of its own, in about one run in
# ten. The block lies in the process heap, which the program never
# allocates from (its C run-time blocks are in a heap of their own); Wine
# allocates and frees it about 9,000 times in the run from the window
# thread (1026 bytes, with a 4-byte block inside it), and one of the sound
# device's threads finds it bad during its own heap call. The ordinary
# suites still run the case.
if(WK_CHECKED)
  set_tests_properties(controls/up_down_test PROPERTIES ENVIRONMENT
                                                        "GTEST_FILTER=-ColourDialog.*")
  set_tests_properties(app/tone_test PROPERTIES ENVIRONMENT
                                                "GTEST_FILTER=-Tone.FiveHundredOffOnSwitches*")
endif()

# The pure logic's native build (sanitizers, fuzzers) runs as one test here,
# so one ctest run reports the whole suite.
if(WK_NATIVE_DIR)
  add_test(NAME native/logic-and-fuzz COMMAND ${CMAKE_CTEST_COMMAND} --test-dir ${WK_NATIVE_DIR}
                                              --output-on-failure -LE figures)
  set_tests_properties(native/logic-and-fuzz PROPERTIES TIMEOUT 1800)
  add_test(NAME native/figures COMMAND ${WK_NATIVE_DIR}/wk_logic_figures)
  set_tests_properties(native/figures PROPERTIES TIMEOUT 600 LABELS figures)
  # What set-up and the run script decide, with stand-ins for apt and Wine.
  add_test(NAME scripts/setup-and-run COMMAND bash ${CMAKE_SOURCE_DIR}/tests/bench/scripts_test.sh
                                              ${CMAKE_SOURCE_DIR})
endif()

# ---- Release package ----------------------------------------------------------
# cpack -G ZIP: the programs, the toolkit library with its public headers,
# resource script, CMake package and pkg-config file, the reference pages and
# the README.
install(TARGETS vindra gallery RUNTIME DESTINATION bin)
install(TARGETS wk_toolkit ARCHIVE DESTINATION lib)
# Installed stripped (the packages), the library also loses the symbols no
# link needs: the names of file-local functions and data (8 % of it).
install(
  CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
                          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib/libwk_toolkit.a\")
endif()")
file(GLOB WK_PUBLIC_HEADERS ${CMAKE_SOURCE_DIR}/toolkit/*/wk_*.h)
install(FILES ${WK_PUBLIC_HEADERS} ${WK_GENERATED_INCLUDE}/wk_version.h DESTINATION include)
install(FILES ${WK_TOOLKIT_RC} DESTINATION resources)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/ DESTINATION docs)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION .)

# find_package(wk) gives the imported target wk::toolkit; wk.pc the same for
# pkg-config, with the resource scripts as the variable "resources". Both
# find the package's folders from where they lie, so it can be unpacked or
# installed anywhere.
set(WK_SYSTEM_LIBS_LIST "${WK_SYSTEM_LIBS}")
list(TRANSFORM WK_SYSTEM_LIBS PREPEND -l OUTPUT_VARIABLE WK_SYSTEM_LIBS_FLAGS)
list(JOIN WK_SYSTEM_LIBS_FLAGS " " WK_SYSTEM_LIBS_FLAGS)
set(WK_PC_RESOURCES)
foreach(rc ${WK_TOOLKIT_RC})
  get_filename_component(rc ${rc} NAME)
  list(APPEND WK_PC_RESOURCES "\${prefix}/resources/${rc}")
endforeach()
list(JOIN WK_PC_RESOURCES " " WK_PC_RESOURCES)
set(WK_CMAKE_PACKAGE ${CMAKE_BINARY_DIR}/cmake-package)
configure_file(${CMAKE_SOURCE_DIR}/packaging/wkConfig.cmake.in ${WK_CMAKE_PACKAGE}/wkConfig.cmake
               @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/wk.pc.in ${WK_CMAKE_PACKAGE}/wk.pc @ONLY)
include(CMakePackageConfigHelpers)
write_basic_package_version_file(${WK_CMAKE_PACKAGE}/wkConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${WK_CMAKE_PACKAGE}/wkConfig.cmake ${WK_CMAKE_PACKAGE}/wkConfigVersion.cmake
        DESTINATION lib/cmake/wk)
install(FILES ${WK_CMAKE_PACKAGE}/wk.pc DESTINATION lib/pkgconfig)

set(CPACK_GENERATOR ZIP)
# The programs are packaged stripped; the build folder keeps them whole, with
# their symbols, for debugging.
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_NAME vindra)
set(CPACK_PACKAGE_FILE_NAME vindra-${PROJECT_VERSION}-${WK_PACKAGE_SUFFIX})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)

# The package builds, and a C program compiles and links against it alone.
add_test(NAME package/c-program
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/package_test.sh ${CMAKE_BINARY_DIR}
                 ${CMAKE_SOURCE_DIR} ${WK_ARCH} ${WK_PACKAGE_SUFFIX})
set_tests_properties(package/c-program PROPERTIES TIMEOUT 300)

# ---- Windows Installer package ------------------------------------------------
# `cmake --build . --target msi`: package/vindra-VERSION-SUFFIX.msi, made by
# wixl from packaging/vindra.wxs and the files of the release package.
if(WK_ARCH STREQUAL x86_64)
  set(WK_MSI_ARCH x64)
else()
  set(WK_MSI_ARCH x86)
endif()
add_custom_target(
  msi
  COMMAND ${CMAKE_SOURCE_DIR}/packaging/msi.sh ${CMAKE_BINARY_DIR} ${WK_MSI_ARCH} ${PROJECT_VERSION}
          ${CMAKE_BINARY_DIR}/package/vindra-${PROJECT_VERSION}-${WK_PACKAGE_SUFFIX}.msi
  VERBATIM)
add_dependencies(msi vindra gallery wk_toolkit)

# The package installs, starts, upgrades and uninstalls cleanly in a fresh
# prefix; installed_check reads back what it installed.
wk_add_test_program(installed_check ${CMAKE_SOURCE_DIR}/tests/package/installed_check.cpp)
target_link_libraries(installed_check PRIVATE ole32 shell32 uuid version)
add_test(NAME package/msi
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/msi_test.sh ${CMAKE_BINARY_DIR}
                 ${CMAKE_SOURCE_DIR} ${WK_ARCH} ${WK_PACKAGE_SUFFIX} ${PROJECT_VERSION})
set_tests_properties(package/msi PROPERTIES TIMEOUT 600 SKIP_RETURN_CODE 77)
