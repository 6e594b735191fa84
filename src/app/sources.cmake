target_sources(horonami_gui PRIVATE
)
