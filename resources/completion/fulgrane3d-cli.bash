# bash completion for fulgrane3d-cli: its commands, each command's options,
# projects (.nbx files, save.ini and folders) and output files by format.

_fulgrane3d_cli_projects() {
    local IFS=$'\n'
    COMPREPLY=($(compgen -d -- "$cur") $(compgen -f -X '!@(*.[nN][bB][xX]|save.ini)' -- "$cur"))
    compopt -o filenames 2>/dev/null
}

_fulgrane3d_cli_outputs() {
    local pattern=$1
    local IFS=$'\n'
    COMPREPLY=($(compgen -d -- "$cur") $(compgen -f -X "!$pattern" -- "$cur"))
    compopt -o filenames 2>/dev/null
}

_fulgrane3d_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=
    [ "$COMP_CWORD" -gt 0 ] && prev=${COMP_WORDS[COMP_CWORD - 1]}
    local commands="info simulate render export"
    local command= word i
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [ "${COMP_WORDS[i - 1]}" = --lang ]; then continue; fi
        case $word in
            info | simulate | render | export) command=$word; break ;;
        esac
    done

    case $prev in
        --lang) COMPREPLY=($(compgen -W "ja en" -- "$cur")); return ;;
        --meta) COMPREPLY=($(compgen -W "json" -- "$cur")); return ;;
        --frames | --seed | --file-version | --particle-limit | --frame | --width | --height | \
            --start | --end | --step | --columns | --smooth | --padding | --quality)
            return ;;
        -o | --output)
            if [ "$command" = render ]; then
                _fulgrane3d_cli_outputs '*.[pP][nN][gG]'
            else
                _fulgrane3d_cli_outputs '*.@([pP][nN][gG]|[bB][mM][pP]|[jJ][pP]?([eE])[gG]|[tT][iI][fF]?([fF])|[gG][iI][fF]|[wW][eE][bB][pP])'
            fi
            return ;;
    esac

    local options
    case $command in
        "") options="--lang --help --version"
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W "$options" -- "$cur"))
            else
                COMPREPLY=($(compgen -W "$commands" -- "$cur"))
            fi
            return ;;
        info) options="--json" ;;
        simulate) options="--frames --seed --file-version --particle-limit" ;;
        render) options="--frame -o --output --width --height --no-overlay --counters --paused --particle-limit" ;;
        export) options="-o --output --start --end --step --columns --separate --smooth --alpha --no-alpha
                         --width --height --particle-limit --quiet --meta --padding --extrude --pow2 --loop
                         --animated --quality" ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options --lang --help" -- "$cur"))
    else
        _fulgrane3d_cli_projects
    fi
}

complete -F _fulgrane3d_cli fulgrane3d-cli
