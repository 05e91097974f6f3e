# fish completion for tindrel
set -l commands inspect scan explain ask

complete -c tindrel -f
complete -c tindrel -n "not __fish_seen_subcommand_from $commands" -a inspect -d 'Tell what a text is'
complete -c tindrel -n "not __fish_seen_subcommand_from $commands" -a scan -d 'Find every artifact in a log'
complete -c tindrel -n "not __fish_seen_subcommand_from $commands" -a explain -d 'Explain in plain English'
complete -c tindrel -n "not __fish_seen_subcommand_from $commands" -a ask -d 'Answer a question about a text'
complete -c tindrel -n "not __fish_seen_subcommand_from $commands" -l version -d 'Print the version'
complete -c tindrel -s h -l help -d 'Print the usage'

complete -c tindrel -n "__fish_seen_subcommand_from inspect scan" -F
complete -c tindrel -n "__fish_seen_subcommand_from inspect scan explain ask" -l raw -d 'Write control characters as they are'
complete -c tindrel -n "__fish_seen_subcommand_from inspect scan" -l json -d 'Print the JSON export document'
complete -c tindrel -n "__fish_seen_subcommand_from inspect" -l markdown -d 'Print the Markdown report'
complete -c tindrel -n "__fish_seen_subcommand_from inspect" -l each-line -d 'Inspect every line on its own'
complete -c tindrel -n "__fish_seen_subcommand_from inspect" -l sample -d 'Inspect the built-in sample token'
complete -c tindrel -n "__fish_seen_subcommand_from scan" -l verbose -d "Print each finding's chain"
complete -c tindrel -n "__fish_seen_subcommand_from scan" -l follow -d 'Print findings as lines arrive; follow a growing file'
complete -c tindrel -n "__fish_seen_subcommand_from scan" -l all -d 'Also scan binary, .git/ and ignored files'
complete -c tindrel -n "__fish_seen_subcommand_from inspect scan" -l extended -d 'With --json: add other readings, stop reason, bundle, columns'
complete -c tindrel -n "__fish_seen_subcommand_from inspect scan" -l redact -d 'Mask the secrets (=keep-claims, =all)'
complete -c tindrel -n "__fish_seen_subcommand_from inspect" -l reading -x -d 'Take the reading STEP:KIND'
complete -c tindrel -n "__fish_seen_subcommand_from inspect scan explain ask" -l key -r -F -d 'Check token signatures with this key file'
complete -c tindrel -n "__fish_seen_subcommand_from inspect scan explain ask" -l key-env -x -a '(set -n)' -d 'Check token signatures with the secret in this variable'
complete -c tindrel -n "__fish_seen_subcommand_from explain ask" -l no-model -d 'Contact no model server'
