# Eigen 3, header-only (Debian's libeigen3-dev): the sparse Cholesky solver of
# the network adjustment. The Windows cross build takes the same headers from
# the build machine, outside the target's root. Only its MPL-2.0 parts are used.
find_path(MIRVAL_EIGEN_INCLUDE_DIR Eigen/SparseCholesky PATHS /usr/include/eigen3 /usr/local/include/eigen3
          PATH_SUFFIXES eigen3 NO_CMAKE_FIND_ROOT_PATH)
if(NOT MIRVAL_EIGEN_INCLUDE_DIR)
  message(FATAL_ERROR "Eigen 3 not found: install libeigen3-dev")
endif()
add_library(mirval_eigen INTERFACE)
target_include_directories(mirval_eigen SYSTEM INTERFACE ${MIRVAL_EIGEN_INCLUDE_DIR})
target_compile_definitions(mirval_eigen INTERFACE EIGEN_MPL2_ONLY)
