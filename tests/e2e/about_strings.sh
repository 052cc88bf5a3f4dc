#!/usr/bin/env bash
# The About dialog shows what the running OpenGL implementation reports.
# Mesa lets the environment change two of its answers: GALLIUM_DRIVER picks
# another renderer, MESA_GL_VERSION_OVERRIDE another version. Three runs
# must show those fields changing, and only those, without reading text
# from pixels. The first error field holds the no-error text, the others
# stay empty.
source "$(dirname "$0")/lib.sh"

# Value fields of the dialog, in dialog units: x y width height.
declare -A FIELDS=(
    [vendor]="61 29 153 8" [renderer]="61 44 152 8" [version]="61 59 150 8"
    [glu_version]="61 137 153 8"
    [error1]="18 195 89 8" [error2]="18 208 89 8" [error3]="18 221 89 8"
    [error4]="115 195 103 8" [error5]="115 208 103 8" [error6]="115 221 103 8"
)

HasInk() { od -An -tu1 -v -w3 "$work/$1.rgb" | awk '$1 < 100 && $2 < 100 && $3 < 100 { n++ } END { exit !(n >= 10) }'; }

# ShowAbout RUN [VAR=VALUE]: one run of the program; crops each field as RUN-FIELD.
ShowAbout()
{
    local run=$1 field fx fy fw fh
    shift
    APP_ENV=("$@")
    StartApp
    OpenAbout
    read -r dx dy dw dh < <(WindowGeometry "$about_win")
    Remember "$run-dialog" "$dx" "$dy" "$dw" "$dh"
    for field in "${!FIELDS[@]}"; do
        read -r fx fy fw fh <<<"${FIELDS[$field]}"
        Crop "$run-$field" $((dx + fx * dw / 231)) $((dy + fy * dh / 270)) \
            $((fw * dw / 231)) $((fh * dh / 270))
    done
    StopApp
}

Same() { [ "$(Digest "$1-$3")" = "$(Digest "$2-$3")" ]; }

ShowAbout plain
for field in vendor renderer version glu_version error1; do
    HasInk "plain-$field" || Fail "the $field field is empty"
done
for field in error2 error3 error4 error5 error6; do
    HasInk "plain-$field" && Fail "the $field field shows text with no GL error pending"
done
Step "the string fields and the first error field show text, the other error fields are empty"

ShowAbout softpipe GALLIUM_DRIVER=softpipe
Same plain softpipe renderer && Fail "the renderer field is the same with llvmpipe and softpipe"
Same plain softpipe vendor || Fail "the vendor field changed with the renderer"
Step "the renderer field follows the running renderer"

ShowAbout gl30 MESA_GL_VERSION_OVERRIDE=3.0
Same plain gl30 version && Fail "the version field is the same with OpenGL 3.0 forced"
Same plain gl30 renderer || Fail "the renderer field changed with the version"
Same plain gl30 error1 || Fail "the first error field changed with the version"
Step "the version field follows the running implementation's version"
