# vpa-macro.exe under Wine with program folders under other users' names
# (sourced by scripts/windows-check after windows-harness.sh). The folder
# arrives whole through the command line, the macro is written there, and
# the printed path reads back in the console's code page as the folder's
# own, or is refused with a message naming the code page. Wine without a
# console answers in the OEM code page of its locale: 437 in C.UTF-8, 852
# in a Polish locale made here with localedef.

# Runs vpa-macro.exe on "$out/names/$1" under the locale $2 and expects
# the path printed in code page $3, or the refusal when $3 is "refused".
ExpectMacroPath() {
  local folder=$out/names/$1 locale=$2 code_page=$3 status=0
  rm -rf "$folder" && mkdir -p "$folder/0PY" "$folder/TextFiles"
  cp -r "$out/program/PythonFiles" "$folder/"
  LC_ALL=$locale LOCPATH=$out/locales timeout 60 wine \
    "$out/program/vpa-macro.exe" --folder "$(WindowsPath "$folder")" write \
    --end both --pair 2 --section L4x4x1/2 --leg Short --l 120 \
    </dev/null >"$out/names/printed" 2>"$out/names/said" || status=$?
  [ -s "$folder/0PY/0.PY" ] || Fail "no macro written in $1 ($locale)"
  if [ "$code_page" = refused ]; then
    [ $status -eq 1 ] && [ ! -s "$out/names/printed" ] &&
      grep -q "has been written all the same.*code page [0-9]*; chcp 65001" \
        "$out/names/said" ||
      Fail "$1 ($locale): expected the refusal, got $status: $(cat "$out/names/said")"
    echo "$1 ($locale): macro written; $(cut -c12- "$out/names/said")"
    return
  fi
  local read_back
  read_back=$(iconv -f "CP$code_page" -t UTF-8 "$out/names/printed" | tr -d '\r')
  [ $status -eq 0 ] && [ "$read_back" = "$(WindowsPath "$folder")\\0PY\\0.PY" ] ||
    Fail "$1 ($locale): printed \"$read_back\" ($status)"
  echo "$1 ($locale): $read_back, read back in code page $code_page"
}

CheckFolderNames() {
  echo "== vpa-macro.exe with folders under other users' names"
  mkdir -p "$out/names" "$out/locales"
  [ -d "$out/locales/pl_PL.UTF-8" ] ||
    localedef -i pl_PL -f UTF-8 "$out/locales/pl_PL.UTF-8" ||
    Fail "localedef cannot make pl_PL.UTF-8"
  ExpectMacroPath "José" C.UTF-8 437
  ExpectMacroPath "Šuba" C.UTF-8 refused
  ExpectMacroPath "Łódź" C.UTF-8 refused
  ExpectMacroPath "Bob’s jobs" C.UTF-8 refused
  ExpectMacroPath "Šuba" pl_PL.UTF-8 852
  ExpectMacroPath "Łódź" pl_PL.UTF-8 852
}
