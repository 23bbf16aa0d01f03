# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for vantoro-cli. The commands and their options are read from the program's own
# --help, so they are always those of the installed version.
_vantoro_cli() {
    local cur prev words cword
    _init_completion || return
    local cli=${words[0]}

    if [[ $cword -eq 1 ]]; then
        local commands
        commands=$("$cli" --help 2>/dev/null | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p')
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
        return
    fi

    case $prev in
    --home)
        _filedir -d
        return
        ;;
    --pdf)
        _filedir pdf
        return
        ;;
    -o | --output)
        _filedir
        return
        ;;
    --lottery)
        local home=${VANTORO_HOME:-$HOME/.local/share/Vantoro} i
        for ((i = 1; i < cword; i++)); do
            [[ ${words[i]} == --home ]] && home=${words[i + 1]}
        done
        COMPREPLY=($(compgen -W "$(cd "$home/data" 2>/dev/null && ls -- *.DBF 2>/dev/null)" -- "$cur"))
        return
        ;;
    esac

    if [[ $cur == -* ]]; then
        local options
        options=$("$cli" "${words[1]}" --help 2>/dev/null | grep -o -- '--[a-z][a-z-]*' | sort -u)
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    _filedir
}
complete -F _vantoro_cli vantoro-cli
