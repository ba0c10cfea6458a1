# The detailer's checks of scripts/windows-check (sourced after
# windows-harness.sh): the keyboard alone, Help and the web button, failed
# saves at close, the end of the session and field files that cannot be
# read. vpa-probe tells what Wine does not show to X: the focused control
# and the message boxes' texts.

Probe() {
  timeout 20 wine "$out/windows/vpa-probe.exe" "$@" 2>/dev/null | tr -d '\r'
}

# The name of the focused control, found in the table by its place.
FocusedControl() {
  local place
  place=$(Probe focus)
  awk -v place="$place" 'BEGIN { split(place, p, " ") }
    $6 >= 0 && ($2 - p[1]) ^ 2 <= 4 && ($3 - p[2]) ^ 2 <= 4 { print $1; exit }
    ' "$places"
}

# Keys typed ahead are still on their way: the focus may move a moment later.
HasFocus() {
  focused=$(FocusedControl)
  [ "$focused" = "$1" ]
}

ExpectFocus() {
  local focused
  WaitFor 5 HasFocus "$1" ||
    Fail "$2: the focus is on '${focused:-no control of the table}'," \
      "expected $1"
}

# The pixels of the focus mark's colour inside control $1's place on the
# screen (at 100 %).
MarkPixels() {
  local left top width height x y
  read -r left top width height < <(awk -v name="$1" '$1 == name {
    print $2, $3, $4, $5}' "$places")
  read -r x y < <(xwininfo -id "$form" | awk '/Absolute upper-left X/{x=$4}
    /Absolute upper-left Y/{print x, $4}')
  import -window root -crop "${width}x${height}+$((x + left))+$((y + top))" \
    -depth 8 txt:- | grep -c "srgb(255,120,0)" || true
}

# The focused control $1 wears the whole ring and nothing inside it; the
# control $2 it came from wears none of it any more.
ExpectMark() {
  local width height ring inside
  read -r width height < <(awk -v name="$1" '$1 == name {print $4, $5}' \
    "$places")
  sleep 0.3
  ring=$(MarkPixels "$1")
  inside=$(((width - 4) * (height - 4)))
  [ "$ring" -eq $((width * height - inside)) ] ||
    Fail "the focus mark on $1 has $ring pixels," \
      "expected a ring of $((width * height - inside))"
  [ -z "${2:-}" ] || [ "$(MarkPixels "$2")" -eq 0 ] ||
    Fail "the focus mark left pixels on $2 when the focus moved on"
}

# Alt+Down opens the focused section list at 20 of its items, as the Qt
# window does; Escape closes it and keeps the choice.
ExpectOpenList() {
  local open
  xdotool key alt+Down
  WaitFor 5 eval 'open=$(Probe open-list)' || Fail "Alt+Down opened no list"
  [ "${open%% *}" = 20 ] ||
    Fail "the open section list shows ${open%% *} items, expected 20"
  xdotool key Escape
  WaitFor 5 eval '! Probe open-list >/dev/null' ||
    Fail "Escape did not close the open list"
}

# The message boxes' captions and texts, and the box window to answer.
Messages() { messages=$(Probe messages) && [ -n "$messages" ]; }

PressOk() {
  local caption box
  caption=$(head -1 <<<"$messages")
  box=$(xdotool search --name "^$caption\$" 2>/dev/null | grep -vx "$form" |
    head -1)
  [ -n "$box" ] || Fail "no window for the message box '$caption'"
  timeout 5 xdotool windowactivate "$box" 2>/dev/null || true
  sleep 0.3
  xdotool key Return
  WaitFor 10 eval '! Messages' || Fail "the message box '$caption' stayed"
}

# A fresh program folder with the seeded fields, at 96 dpi.
FreshFolder() {
  folder="$out/wine-run/Détailleur Ørsted/VPA"
  rm -rf "$out/wine-run" && mkdir -p "$(dirname "$folder")"
  cp -r "$out/program" "$folder"
  places="$out/places-96.txt"
  "$out/linux/form-places" 96 >"$places"
  client=$(awk '$1 == "Form1" {print $4 "x" $5}' "$places")
  SeedFields
}

EndsWithin() {
  WaitFor "$1" eval '! kill -0 $form_pid 2>/dev/null' || Fail "$2"
}

RestoreForm() {
  timeout 5 xdotool windowactivate "$form" 2>/dev/null || true
  WaitFor 10 IsNormal || Fail "the window did not come back from minimised"
  sleep 0.5
}

# Row 1 by the keyboard alone, from its H box to Run!, in the table's tab
# order; Space and Enter on Run!; the focus back on Run! after a restore.
CheckKeyboard() {
  local controls name section stored macro
  echo "== The keyboard alone at 100 %"
  FreshFolder
  StartForm
  mapfile -t controls < <(awk '$6 >= 0 && $1 ~ /[^0-9]1$/' "$places" |
    sort -k6,6n | awk '{print $1}')
  Click "${controls[0]}"
  ExpectFocus "${controls[0]}" "a click on ${controls[0]}"
  xdotool key End shift+Home && xdotool type "2-0"
  local previous=${controls[0]}
  for name in "${controls[@]:1}"; do
    xdotool key Tab
    ExpectFocus "$name" "Tab in row 1"
    ExpectMark "$name" "$previous"
    previous=$name
    case $name in
      zzV1) xdotool type 5 ;;
      zzW1) xdotool type 8 ;;
      MAT1)
        ExpectOpenList
        xdotool type "L3 1/2x2 1/2x1/4"
        ;;
      zzL1) xdotool type 96 ;;
      OSL1) xdotool type L ;;
      Pair1) xdotool type 2 ;;
    esac
  done
  echo "Tab through row 1: ${controls[*]}, as the table orders them;" \
    "MAT1 opened at 20 items;" \
    "each wore the whole focus mark, and none kept it after."
  [ "${controls[-1]}" = Go1 ] ||
    Fail "row 1's tab order ends on ${controls[-1]}"
  xdotool key space
  WaitFor 10 IsIconic || Fail "Space on Go1 did not run row 1"
  section=$("$out/linux/program/vpa-macro" catalogue |
    grep -nx 'L3 1/2x2 1/2x1/4' | cut -d: -f1)
  section=$((section - 1))
  stored=$(tr -d ' \r\n' <"$folder/TextFiles/MAT1.TXT")
  [ "$stored" = "$section" ] || Fail "typing 'L3 1/2x2 1/2x1/4' in MAT1" \
    "stored position $stored, expected $section"
  echo "Typing 'L3 1/2x2 1/2x1/4' in the closed list MAT1 chose it" \
    "(stored position $stored)."
  macro="$folder/0PY/0.PY"
  rm -rf "$out/linux-run" && cp -r "$folder" "$out/linux-run"
  "$out/linux/program/vpa-macro" --folder "$out/linux-run" write --row 1 \
    >/dev/null
  cmp "$macro" "$out/linux-run/0PY/0.PY" ||
    Fail "the typed row 1's macro differs from the Linux build's"
  [ "$(cat "$folder/TextFiles/H1.TXT")" = $'2-0\r' ] ||
    Fail "H1 did not keep the typed 2-0"
  echo "Space on Go1 ran the typed row 1 (the macro equals the Linux" \
    "build's) and minimised the window."
  RestoreForm
  ExpectFocus Go1 "after the finish and a restore"
  rm -f "$macro"
  xdotool key Return
  WaitFor 10 IsIconic || Fail "Enter on Go1 did not run row 1"
  cmp "$macro" "$out/linux-run/0PY/0.PY" ||
    Fail "Enter on Go1 wrote another macro"
  echo "After the restore the focus is on Go1; Enter on it ran row 1 again."
  RestoreForm
  Click CmdExit
  EndsWithin 20 "the window did not end after Exit"
}

# Help opens the help page, F1 too; the web button says "Missing Data"
# without a web address and opens the address by the rule with one. Wine
# hands both to winebrowser, which runs the "browser" of the registry.
CheckHelpAndWeb() {
  local opened=$out/opened.txt url help missing
  echo "== Help and the web button"
  printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$opened" >"$out/browser"
  chmod +x "$out/browser" && rm -f "$opened"
  timeout 60 wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers \
    /d "$out/browser" /f >/dev/null 2>&1
  FreshFolder
  StartForm
  help="file://$folder/Pellavert.htm"
  Click CmdHelp
  WaitFor 15 eval '[ "$(wc -l <"$opened" 2>/dev/null)" = 1 ]' ||
    Fail "Help opened nothing"
  timeout 5 xdotool windowactivate "$form" 2>/dev/null || true
  xdotool key F1
  WaitFor 15 eval '[ "$(wc -l <"$opened")" = 2 ]' || Fail "F1 opened nothing"
  while read -r url; do
    url=$(printf '%b' "${url//%/\\x}")
    [ "$url" = "$help" ] || Fail "Help opened '$url', expected '$help'"
  done <"$opened"
  echo "Help and F1 opened $help"
  Click CmdWeb
  WaitFor 10 Messages || Fail "the web button without an address told nothing"
  missing=$'Missing Data\nYou don\'t have a web address entered for this entry'
  [ "$messages" = "$missing" ] ||
    Fail "the web button without an address said '$messages'"
  echo "Without a web address the web button says: ${messages//$'\n'/: }"
  PressOk
  [ "$(wc -l <"$opened")" = 2 ] ||
    Fail "the web button without an address opened something"
  Click CmdExit
  EndsWithin 20 "the window did not end after Exit"

  cp "$out/windows/vpa-with-web-address.exe" "$folder/vpa.exe"
  StartForm
  Click CmdWeb
  WaitFor 15 eval '[ "$(wc -l <"$opened")" = 3 ]' ||
    Fail "the web button with an address opened nothing"
  url=$(tail -1 "$opened")
  [ "$url" = "http://www.example.com/vpa" ] ||
    Fail "the web button for example.com/vpa opened '$url'"
  echo "With the web address example.com/vpa the web button opened $url"
  Click CmdExit
  EndsWithin 20 "the window did not end after Exit"
}

# The one message of a failed save at close: the TextFiles folder by its
# Windows name and the system's reason in brackets.
ExpectSaveFailure() {
  local expected
  WaitFor 15 Messages || Fail "$1 with TextFiles $2 told nothing"
  expected="Your entries could not be saved in $(WindowsPath "$folder")"
  expected+='\TextFiles ('
  [ "$(head -1 <<<"$messages")" = "SDS/2 Macro. Vertical Plain Angles" ] &&
    [ "$(wc -l <<<"$messages")" = 2 ] &&
    [[ "$(tail -1 <<<"$messages")" == "$expected"?*"); the values saved"* ]] ||
    Fail "$1 with TextFiles $2 said '$messages'"
}

# Exit with the TextFiles folder removed, the close box with it replaced by
# a plain file: one message each, and after OK the program ends.
CheckFailedSaves() {
  echo "== A failed save at close"
  FreshFolder
  StartForm
  rm -rf "$folder/TextFiles"
  Click CmdExit
  ExpectSaveFailure Exit removed
  FindMessageBox && Screenshot "$box" "save-failed-100.png"
  echo "Exit, TextFiles removed: ${messages//$'\n'/: }"
  PressOk
  EndsWithin 20 "the program did not end after OK on the failed save"
  [ ! -e "$folder/TextFiles" ] || Fail "the failed save made a TextFiles"
  echo "After OK the program ended; no TextFiles was made."

  FreshFolder
  StartForm
  rm -rf "$folder/TextFiles" && printf 'not a folder\r\n' >"$folder/TextFiles"
  # The window manager's close, as its close box sends it.
  timeout 5 xdotool windowactivate "$form" 2>/dev/null || true
  xdotool key alt+F4
  ExpectSaveFailure "The close box" "a plain file"
  echo "The close box, TextFiles a plain file: ${messages//$'\n'/: }"
  PressOk
  EndsWithin 20 "the program did not end after OK on the failed save"
  [ "$(cat "$folder/TextFiles")" = $'not a folder\r' ] ||
    Fail "the failed save changed the plain file TextFiles"
  echo "After OK the program ended; the plain file is as it was."
}

# WM_QUERYENDSESSION and WM_ENDSESSION save the fields without a word, and
# say nothing when the save fails either.
CheckSessionEnd() {
  local answer
  echo "== The end of the session"
  FreshFolder
  StartForm
  Click zzH1
  xdotool key End shift+Home && xdotool type "3-0"
  answer=$(Probe end-session) || Fail "the session's end: $answer"
  ! Messages || Fail "the end of the session showed '$messages'"
  printf '3-0\r\n' >"$folder/seeded/H1.TXT"
  diff -r "$folder/seeded" "$folder/TextFiles" ||
    Fail "the end of the session did not save the 36 fields"
  echo "${answer//$'\n'/, }: the 36 fields saved, H1 as typed, no message."
  Click CmdExit
  EndsWithin 20 "the window did not end after Exit"

  StartForm
  rm -rf "$folder/TextFiles"
  answer=$(Probe end-session) || Fail "the session's end: $answer"
  sleep 1
  ! Messages || Fail "the end of the session showed '$messages'"
  [ ! -e "$folder/TextFiles" ] || Fail "the end of the session made a TextFiles"
  Click CmdExit
  EndsWithin 20 "the window did not end after Exit"
  echo "With TextFiles removed, the end of the session said nothing either."
}

# Field files that cannot be read at start (a last line over 1 MiB, a
# folder of a field file's name) stay as they are through a Run and the
# close; the one whose control the detailer changed is saved.
CheckUnreadableFields() {
  local long_line
  echo "== Field files that cannot be read"
  FreshFolder
  long_line=$(head -c 1100000 /dev/zero | tr '\0' 7)
  printf '4\r\n%s\r\n' "$long_line" >"$folder/TextFiles/H4.TXT"
  cp "$folder/TextFiles/H4.TXT" "$folder/TextFiles/L4.TXT"
  cp "$folder/TextFiles/H4.TXT" "$out/long-line.TXT"
  rm "$folder/TextFiles/W5.TXT" && mkdir "$folder/TextFiles/W5.TXT"
  StartForm
  Click Go1
  WaitFor 10 IsIconic || Fail "Run on row 1 did not minimise the window"
  cmp -s "$folder/TextFiles/H4.TXT" "$out/long-line.TXT" &&
    cmp -s "$folder/TextFiles/L4.TXT" "$out/long-line.TXT" &&
    [ -d "$folder/TextFiles/W5.TXT" ] ||
    Fail "Run rewrote a field file it could not read"
  echo "Run on row 1 left H4 and L4 (last line over 1 MiB) and the folder" \
    "W5.TXT alone."
  RestoreForm
  Click zzH4
  xdotool type 5
  Click CmdExit
  WaitFor 20 eval '! kill -0 $form_pid 2>/dev/null' || {
    Messages && Fail "Exit said '$messages'"
    Fail "the window did not end after Exit"
  }
  [ "$(cat "$folder/TextFiles/H4.TXT")" = $'5\r' ] ||
    Fail "Exit did not save H4, which the detailer changed"
  cmp -s "$folder/TextFiles/L4.TXT" "$out/long-line.TXT" &&
    [ -d "$folder/TextFiles/W5.TXT" ] ||
    Fail "Exit rewrote a field file it could not read"
  echo "Exit saved H4 as typed (5) and left L4 and W5.TXT alone."
}
