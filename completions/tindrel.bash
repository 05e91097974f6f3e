# bash completion for tindrel
_tindrel() {
    local cur prev command i
    cur="${COMP_WORDS[COMP_CWORD]}"
    prev="${COMP_WORDS[COMP_CWORD-1]}"
    command=""
    for ((i = 1; i < COMP_CWORD; i++)); do
        case "${COMP_WORDS[i]}" in
            inspect|scan|explain|ask) command="${COMP_WORDS[i]}"; break ;;
        esac
    done

    local options
    case "$command" in
        inspect) options="--json --extended --markdown --redact --each-line --reading --sample --key --key-env --raw --help" ;;
        scan) options="--json --verbose --follow --all --extended --redact --key --key-env --raw --help" ;;
        explain|ask) options="--no-model --key --key-env --raw --help" ;;
        *)
            COMPREPLY=($(compgen -W "inspect scan explain ask --help --version" -- "$cur"))
            return
            ;;
    esac

    if [[ "$cur" == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    elif [[ "$command" == scan || "$command" == inspect ]]; then
        # scan reads files; inspect --each-line does, and a file name is a fine text otherwise.
        COMPREPLY=($(compgen -f -- "$cur"))
        compopt -o filenames 2>/dev/null
    fi
}
complete -F _tindrel tindrel
