# The configure-time check of the homepage address.
# Run with cmake -DCHECK_MODULE=<homepage_check.cmake> -P.
cmake_minimum_required(VERSION 3.22)
include(${CHECK_MODULE})

set(valid
  "https://www.varuno.kr" "http://example.org" "https://calc-1.example.co.kr" "https://localhost")
set(invalid
  "" "www.varuno.kr" "https://" "https://www.varuno.kr/" "https://www.varuno.kr/path"
  "https://www.varuno.kr?q=1" "https://www.varuno.kr#top" "https://a.kr:8080" "https://user@a.kr"
  "ftp://a.kr" "file:///etc/passwd" "javascript:alert(1)" "https://-a.kr" "https://a..kr"
  "https://a.kr." "https://a b.kr" "https://a.kr\;echo")
foreach(address IN LISTS valid)
  varuno_homepage_is_valid("${address}" ok)
  if(NOT ok)
    message(SEND_ERROR "rejected a valid homepage: \"${address}\"")
  endif()
endforeach()
foreach(address IN LISTS invalid)
  varuno_homepage_is_valid("${address}" ok)
  if(ok)
    message(SEND_ERROR "accepted an invalid homepage: \"${address}\"")
  endif()
endforeach()
